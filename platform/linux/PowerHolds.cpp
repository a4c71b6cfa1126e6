#include "PowerHolds.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusUnixFileDescriptor>
#include <QFileInfo>
#include <QProcess>
#include <QVariantMap>

#include <chrono>
#include <unistd.h>

namespace halvo::linuxbackend {

namespace {

constexpr const char* ProgramName = "Halvo Shutdown";
// GNOME's flag, and the portal's, for suspending the session.
constexpr unsigned SuspendFlag = 4;
constexpr int HelperAnswerMs = 3000;
constexpr int GiveBackMs = 1000;

enum class DesktopHold { None, Gnome, PowerManagement, Portal };

QDBusMessage method(const char* service, const char* path, const char* interface, const char* name,
                    const QVariantList& arguments) {
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, name);
    message.setArguments(arguments);
    // A desktop that does not run is not started for this.
    message.setAutoStartService(false);
    return message;
}

bool hasOwner(const QDBusConnection& bus, const QString& name) {
    const QDBusConnectionInterface* daemon = bus.interface();
    return daemon && daemon->isServiceRegistered(name).value();
}

} // namespace

// One hold as taken: its answers come later, and a hold let go before they come gives them back then.
struct LinuxPowerHolds::Hold {
    int inhibitor = -1; // logind's file descriptor
    DesktopHold desktop = DesktopHold::None;
    unsigned cookie = 0;
    QString request; // the portal's request object
    bool desktopAnswered = false;
    bool released = false;

    void closeInhibitor() {
        if (inhibitor >= 0)
            ::close(inhibitor);
        inhibitor = -1;
    }

    // The desktop's hold is given back by a call; at the end of the program it must have left first.
    void giveBackDesktop(bool wait) {
        if (!desktopAnswered)
            return;
        desktopAnswered = false;
        QDBusMessage message;
        switch (desktop) {
        case DesktopHold::None:
            return;
        case DesktopHold::Gnome:
            message = method("org.gnome.SessionManager", "/org/gnome/SessionManager",
                             "org.gnome.SessionManager", "Uninhibit", {cookie});
            break;
        case DesktopHold::PowerManagement:
            message = method("org.freedesktop.PowerManagement", "/org/freedesktop/PowerManagement/Inhibit",
                             "org.freedesktop.PowerManagement.Inhibit", "UnInhibit", {cookie});
            break;
        case DesktopHold::Portal:
            message = QDBusMessage::createMethodCall("org.freedesktop.portal.Desktop", request,
                                                     "org.freedesktop.portal.Request", "Close");
            break;
        }
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (wait)
            bus.call(message, QDBus::Block, GiveBackMs);
        else
            bus.send(message);
    }

    void release(bool wait) {
        released = true;
        closeInhibitor();
        giveBackDesktop(wait);
    }
};

LinuxPowerHolds::LinuxPowerHolds(std::string executableFolder) : m_folder(std::move(executableFolder)) {}

LinuxPowerHolds::~LinuxPowerHolds() {
    if (m_hold)
        m_hold->release(true);
    stopHelper();
}

void LinuxPowerHolds::holdAwake(const std::string& why) {
    auto hold = std::make_shared<Hold>();
    const QString reason = QString::fromStdString(why);

    QDBusConnection system = QDBusConnection::systemBus();
    if (system.isConnected()) {
        auto* watcher = new QDBusPendingCallWatcher(
            system.asyncCall(method("org.freedesktop.login1", "/org/freedesktop/login1",
                                    "org.freedesktop.login1.Manager", "Inhibit",
                                    {QString("idle"), QString(ProgramName), reason, QString("block")})),
            this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this, [hold](QDBusPendingCallWatcher* call) {
            call->deleteLater();
            const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *call;
            if (reply.isError())
                return;
            // The descriptor of the reply closes with it: ours is a copy.
            hold->inhibitor = ::dup(reply.value().fileDescriptor());
            if (hold->released)
                hold->closeInhibitor();
        });
    }

    QDBusConnection session = QDBusConnection::sessionBus();
    if (session.isConnected()) {
        QDBusMessage message;
        if (hasOwner(session, "org.gnome.SessionManager")) {
            hold->desktop = DesktopHold::Gnome;
            message =
                method("org.gnome.SessionManager", "/org/gnome/SessionManager", "org.gnome.SessionManager",
                       "Inhibit", {QString("halvo-shutdown"), 0u, reason, SuspendFlag});
        } else if (hasOwner(session, "org.freedesktop.PowerManagement")) {
            hold->desktop = DesktopHold::PowerManagement;
            message =
                method("org.freedesktop.PowerManagement", "/org/freedesktop/PowerManagement/Inhibit",
                       "org.freedesktop.PowerManagement.Inhibit", "Inhibit", {QString(ProgramName), reason});
        } else if (hasOwner(session, "org.freedesktop.portal.Desktop")) {
            hold->desktop = DesktopHold::Portal;
            message = method("org.freedesktop.portal.Desktop", "/org/freedesktop/portal/desktop",
                             "org.freedesktop.portal.Inhibit", "Inhibit",
                             {QString(), SuspendFlag, QVariantMap{{"reason", reason}}});
        }
        if (hold->desktop != DesktopHold::None) {
            auto* watcher = new QDBusPendingCallWatcher(session.asyncCall(message), this);
            connect(watcher, &QDBusPendingCallWatcher::finished, this, [hold](QDBusPendingCallWatcher* call) {
                call->deleteLater();
                const QDBusMessage reply = call->reply();
                if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
                    return;
                const QVariant value = reply.arguments().front();
                if (hold->desktop == DesktopHold::Portal)
                    hold->request = value.value<QDBusObjectPath>().path();
                else
                    hold->cookie = value.toUInt();
                hold->desktopAnswered = true;
                if (hold->released)
                    hold->giveBackDesktop(false);
            });
        }
    }
    // The new hold is asked for before the one it replaces goes, so that no moment is left unheld.
    if (m_hold)
        m_hold->release(false);
    m_hold = std::move(hold);
}

void LinuxPowerHolds::releaseAwake() {
    if (m_hold)
        m_hold->release(false);
    m_hold.reset();
}

std::string LinuxPowerHolds::startHelper() {
    if (m_helper && m_helper->state() == QProcess::Running)
        return {};
    stopHelper();
    QString program;
    for (const std::string& candidate :
         {m_folder + WakeHelperName, m_folder + "../libexec/halvo-shutdown/" + WakeHelperName}) {
        const QFileInfo file(QString::fromStdString(candidate));
        if (file.isFile() && file.isExecutable()) {
            program = file.absoluteFilePath();
            break;
        }
    }
    if (program.isEmpty())
        return QCoreApplication::translate("PowerHolds",
                                           "The wake helper %1 is not installed with the program.")
            .arg(WakeHelperName)
            .toStdString();
    m_helper = new QProcess(this);
    m_helper->setProgram(program);
    m_helper->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_helper->start();
    QString answer;
    if (m_helper->waitForStarted(HelperAnswerMs)) {
        while (!m_helper->canReadLine() && m_helper->waitForReadyRead(HelperAnswerMs)) {
        }
        answer = QString::fromUtf8(m_helper->readLine()).trimmed();
    }
    if (answer == "ready")
        return {};
    const QString detail = answer.startsWith("error ") ? answer.mid(6) : m_helper->errorString();
    stopHelper();
    return QCoreApplication::translate("PowerHolds",
                                       "The wake helper cannot set an alarm: %1. It needs the capability "
                                       "CAP_WAKE_ALARM, which the program's package gives it.")
        .arg(detail)
        .toStdString();
}

void LinuxPowerHolds::stopHelper() {
    if (!m_helper)
        return;
    // The helper lets its alarm go and ends when its input closes.
    m_helper->closeWriteChannel();
    if (!m_helper->waitForFinished(GiveBackMs))
        m_helper->kill();
    m_helper->waitForFinished(GiveBackMs);
    delete m_helper;
    m_helper = nullptr;
}

std::string LinuxPowerHolds::wakeAlarmProblem() {
    const bool running = m_helper != nullptr;
    std::string problem = startHelper();
    // Only asked: a helper started to answer does not stay.
    if (!running)
        stopHelper();
    return problem;
}

bool LinuxPowerHolds::setWakeAlarm(std::int64_t msFromNow, std::string& failure) {
    failure = startHelper();
    if (!failure.empty())
        return false;
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const long long moment = std::chrono::duration_cast<std::chrono::milliseconds>(now).count() + msFromNow;
    m_helper->readAll(); // its acknowledgements are not needed
    m_helper->write(QByteArray::number(moment) + '\n');
    m_helper->waitForBytesWritten(GiveBackMs);
    return true;
}

void LinuxPowerHolds::clearWakeAlarm() {
    stopHelper();
}

} // namespace halvo::linuxbackend
