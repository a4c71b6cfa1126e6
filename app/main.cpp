// Halvo Shutdown: the program body. Sets up the real platform, the user-interface services and the
// dialogs, makes sure only one copy runs per user, and lives in the tray until "Exit".

#include "FormCtrl.h"
#include "SingleInstance.h"
#include "TerminationSignals.h"
#include "Translations.h"
#include "TrayMenu.h"
#include "core/Commands.h"
#include "core/Engine.h"
#include "model/CommandLine.h"
#include "pages/FormExecuteTip.h"
#include "platform/Platform.h"
#include "platform/Translate.h"
#include "toolkit/AppIcon.h"
#include "toolkit/Dialogs.h"
#include "toolkit/QtUiServices.h"
#include "toolkit/SlidingPopup.h"
#include "toolkit/TrayIcon.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

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
        const std::string text = halvo::FillIn(
            halvo::Translate("main", "cannot start without a display (%1)"), {reason.toStdString()});
        std::fprintf(stderr, "halvo-shutdown: %s\n", text.c_str());
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

// A copy of this program that starts hidden in the tray. When two calls start one each at the same moment,
// the later copy ends without a word and both calls reach the first. Its output goes nowhere, so it holds
// no pipe of the caller open.
bool startHiddenCopy() {
    QProcess copy;
    copy.setProgram(QCoreApplication::applicationFilePath());
    copy.setArguments({"--tray"});
    copy.setStandardInputFile(QProcess::nullDevice());
    copy.setStandardOutputFile(QProcess::nullDevice());
    copy.setStandardErrorFile(QProcess::nullDevice());
    return copy.startDetached();
}

// The password of --password-file or --password -, into the request; false, with a line on stderr, when it
// cannot be read or is empty.
bool readPassword(const halvo::ParsedArguments& arguments, halvo::CommandRequest& request) {
    if (arguments.passwordFile.empty() && !arguments.passwordFromInput)
        return true;
    QFile file;
    const QString name = arguments.passwordFromInput ? QCoreApplication::translate("main", "standard input")
                                                     : QString::fromLocal8Bit(arguments.passwordFile.c_str());
    const bool opened = arguments.passwordFromInput
                            ? file.open(stdin, QIODevice::ReadOnly)
                            : (file.setFileName(name), file.open(QIODevice::ReadOnly));
    if (!opened) {
        std::fprintf(stderr, "halvo-shutdown: %s\n",
                     qPrintable(QCoreApplication::translate("main", "cannot read the password from %1 (%2)")
                                    .arg(name, file.errorString())));
        return false;
    }
    // One line is all a password is; a file given by mistake is not read whole.
    request.password = halvo::PasswordFromText(file.readLine(4096).toStdString());
    if (request.password.empty()) {
        std::fprintf(stderr, "halvo-shutdown: %s\n",
                     qPrintable(QCoreApplication::translate("main", "no password in %1").arg(name)));
        return false;
    }
    return true;
}

// Carries one request to the running copy (started first when none runs) and prints its answer.
int sendToRunningCopy(const halvo::CommandRequest& request, int argc, char** argv) {
    using Delivery = halvo::SingleInstance::Delivery;
    QCoreApplication app(argc, argv);
    halvo::InstallTranslations();
    halvo::SingleInstance instance;
    const std::string line = halvo::EncodeRequest(request);
    std::string answerLine;
    Delivery delivery = instance.sendRequest(line, answerLine, 300);
    if (delivery == Delivery::NotReached) {
        if (!instance.copyRunning() && !startHiddenCopy()) {
            std::fprintf(stderr, "halvo-shutdown: %s\n",
                         halvo::Translate("main", "cannot start the program").c_str());
            return 1;
        }
        delivery = instance.sendRequest(line, answerLine, 15000);
    }
    if (delivery == Delivery::NotReached) {
        std::fprintf(stderr, "halvo-shutdown: %s\n",
                     halvo::Translate("main", "no running copy could be reached").c_str());
        return 1;
    }
    const auto answer = delivery == Delivery::Answered ? halvo::DecodeAnswer(answerLine) : std::nullopt;
    if (!answer) {
        std::fprintf(stderr, "halvo-shutdown: %s\n",
                     halvo::Translate("main", "the running copy did not answer").c_str());
        return 1;
    }
    if (!answer->ok) {
        // Conditions the system cannot tell are bad input, like a malformed one; a refusal is not.
        const std::string_view marker = halvo::Commands::RefusedMarker;
        const bool refused = answer->text.starts_with(marker);
        const std::string text = refused ? halvo::FillIn(halvo::Translate("main", "refused: %1"),
                                                         {answer->text.substr(marker.size())})
                                         : answer->text;
        std::fprintf(stderr, "halvo-shutdown: %s\n", text.c_str());
        return request.verb == halvo::CommandRequest::Verb::When && !refused ? 2 : 1;
    }
    if (!answer->text.empty())
        std::printf("%s\n", answer->text.c_str());
    return 0;
}

// On a Wayland desktop the program's windows go through XWayland when it is there, as those of many tray
// programs do: a Wayland client may not place its windows, and the popup belongs at the bottom right and
// the reminder above the other windows. Without an X server it is Wayland after all. Programs the
// program starts get the environment as it was.
class PreferXWayland {
public:
    PreferXWayland() {
        if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
            qEnvironmentVariableIsEmpty("DISPLAY"))
            return;
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
        m_set = true;
    }
    void restore() {
        if (m_set)
            qunsetenv("QT_QPA_PLATFORM");
        m_set = false;
    }

private:
    bool m_set = false;
};

} // namespace

int main(int argc, char** argv) {
    // So that --status, --help and errors show in the console the program was started from.
    halvo::attachToParentConsole();
    halvo::LoadTranslations();
    const halvo::ParsedArguments arguments =
        halvo::ParseArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (!arguments.error.empty()) {
        std::fprintf(stderr, "halvo-shutdown: %s\n", arguments.error.c_str());
        return 2;
    }
    using Verb = halvo::CommandRequest::Verb;
    if (arguments.request && arguments.request->verb == Verb::Help) {
        std::fputs(halvo::UsageText().c_str(), stdout);
        return 0;
    }
    if (arguments.request && arguments.request->verb == Verb::Version) {
        std::puts("Halvo Shutdown " HALVO_VERSION);
        return 0;
    }
    // Every other start meets the running copy at its lock and socket.
    QString folderError;
    if (!halvo::SingleInstance::settleUserFolder(folderError)) {
        std::fprintf(stderr, "halvo-shutdown: %s\n", qPrintable(folderError));
        return 1;
    }
    if (arguments.request) {
        halvo::CommandRequest request = *arguments.request;
        if (!readPassword(arguments, request))
            return 2;
        return sendToRunningCopy(request, argc, argv);
    }

    previousHandler = qInstallMessageHandler(startupMessageHandler);
    PreferXWayland xwayland;
    QApplication app(argc, argv);
    xwayland.restore();
    halvo::InstallTranslations();
    if (QGuiApplication::platformName() == "xcb" && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        halvo::SlidingPopup::setPlacedPastWindowManager(true);
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

    // Before the socket is claimed: once it is there, whoever ends the program expects the orderly end
    // (the window takes a request noted before it exists at its first tick).
    halvo::InstallTerminationHandlers();

    // Requests that arrive before the window exists wait for it (the socket holds them).
    halvo::SingleInstance instance;
    if (!instance.claim()) {
        if (arguments.trayOnly || instance.askRunningCopyToShow())
            return 0;
        std::fprintf(stderr, "halvo-shutdown: %s\n",
                     halvo::Translate("main", "another copy is running but does not answer").c_str());
        return 1;
    }

    std::unique_ptr<halvo::Platform> system = halvo::createSystemPlatform();
    halvo::setPlatform(system.get());
    halvo::QtUiServices uiServices;
    halvo::setUi(&uiServices);
    halvo::QtDialogs qtDialogs;
    halvo::setDialogs(&qtDialogs);

    int result = 0;
    {
        // The engine runs the schedule from here on, whether or not a window ever shows; faults of the
        // stored files reach the user through whichever Dialogs service is in place when they happen.
        halvo::ExecuteTipReminders reminders;
        halvo::Engine engine(
            reminders,
            {[](const std::string& text) { halvo::dialogs().Error(QString::fromStdString(text)); },
             [](const std::string& text) { halvo::dialogs().Notice(QString::fromStdString(text)); }});
        engine.Start();
        reminders.SetGuard(&engine.guard());
        halvo::TFormCtrl window(engine);
        QObject::connect(&instance, &halvo::SingleInstance::showRequested, &window,
                         [&window] { window.Setting1Click(); });
        instance.setAnsweringHandler([&engine](const std::string& line, halvo::SingleInstance::Reply reply) {
            engine.commands().Request(line, std::move(reply));
        });
        // Without a notification area the window would be out of reach: once no tray has come (the panel
        // may come up well after the program at log-in), the window is shown instead.
        QObject::connect(window.Tray->TrayIcon1, &halvo::TrayIcon::noTrayAppeared, &window, [&window] {
            if (!window.isVisible())
                window.Setting1Click();
        });
        // An "Exit" taken inside an error box shown during start-up ended that box's loop only; the main
        // loop would forget it.
        result = window.exitRequested() ? 0 : app.exec();
        instance.setRequestHandler([](const std::string&) { return std::string("error ending"); });
    }
    halvo::setUi(nullptr);
    halvo::setDialogs(nullptr);
    halvo::setPlatform(nullptr);
    return result;
}
