// Halvo Shutdown: the program body. Sets up the real platform, the user-interface services and the
// dialogs, makes sure only one copy runs per user, and lives in the tray until "Exit".

#include "FormCtrl.h"
#include "SingleInstance.h"
#include "TerminationSignals.h"
#include "platform/Platform.h"
#include "toolkit/AppIcon.h"
#include "toolkit/Dialogs.h"
#include "toolkit/QtUiServices.h"
#include "toolkit/TrayIcon.h"

#include <QApplication>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace {

// Qt ends a program that finds no display with a fatal message after several lines of its own; say it in
// one line instead and end with a failure code, not an abort.
QtMessageHandler previousHandler = nullptr;
bool starting = true;
QStringList heldBack;

void startupMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    const QString category = context.category ? QString::fromLatin1(context.category) : QString();
    if (type == QtFatalMsg && starting) {
        QString reason = heldBack.isEmpty() ? message : heldBack.first();
        reason = reason.section('\n', 0, 0).trimmed();
        std::fprintf(stderr, "halvo-shutdown: cannot start without a display (%s)\n", qPrintable(reason));
        std::fflush(stderr);
        std::_Exit(2);
    }
    if (starting && category.startsWith("qt.qpa")) {
        heldBack << message;
        return;
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

int main(int argc, char** argv) {
    previousHandler = qInstallMessageHandler(startupMessageHandler);
    QApplication app(argc, argv);
    starting = false;
    for (const QString& message : std::as_const(heldBack))
        std::fprintf(stderr, "%s\n", qPrintable(message));
    qInstallMessageHandler(previousHandler);

    QApplication::setApplicationName("halvo-shutdown");
    QApplication::setApplicationVersion(HALVO_VERSION);
    QApplication::setWindowIcon(halvo::appIcon());
    QGuiApplication::setDesktopFileName("org.example.HalvoShutdown");
    // Closing the window or a dialog never ends the program: only "Exit" does.
    QApplication::setQuitOnLastWindowClosed(false);

    halvo::SingleInstance instance;
    if (!instance.claim()) {
        if (instance.askRunningCopyToShow())
            return 0;
        std::fputs("halvo-shutdown: another copy is running but does not answer\n", stderr);
        return 1;
    }

    std::unique_ptr<halvo::Platform> system = halvo::createSystemPlatform();
    halvo::setPlatform(system.get());
    halvo::QtUiServices uiServices;
    halvo::setUi(&uiServices);
    halvo::QtDialogs qtDialogs;
    halvo::setDialogs(&qtDialogs);
    halvo::InstallTerminationHandlers();

    int result = 0;
    {
        halvo::TFormCtrl window;
        QObject::connect(&instance, &halvo::SingleInstance::showRequested, &window,
                         [&window] { window.Setting1Click(); });
        // Without a notification area the window would be out of reach: once no tray has come (the panel
        // may come up well after the program at log-in), the window is shown instead.
        QObject::connect(window.TrayIcon1, &halvo::TrayIcon::noTrayAppeared, &window, [&window] {
            if (!window.isVisible())
                window.Setting1Click();
        });
        // An "Exit" taken inside an error box shown during start-up ended that box's loop only; the main
        // loop would forget it.
        result = window.exitRequested() ? 0 : app.exec();
    }
    halvo::setUi(nullptr);
    halvo::setDialogs(nullptr);
    halvo::setPlatform(nullptr);
    return result;
}
