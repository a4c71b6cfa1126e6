// Power, session and screen-saver calls against a private D-Bus daemon with the logind mock and a mock
// screen saver, and mocks of the desktops' session managers and screen savers started one at a time. The
// test re-runs itself under tests/helpers/private-session.sh and refuses to run anywhere else, so no call
// can reach this machine's own buses.

#include "LinuxTestSupport.h"

#include "model/Tasks.h"
#include "platform/linux/LinuxPlatform.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

#include <gtest/gtest.h>
#include <xcb/screensaver.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <unistd.h>

using namespace halvo;
using namespace halvo::linuxtest;
using halvo::linuxbackend::LinuxPlatform;

namespace {

const QString kLogind = QStringLiteral("org.freedesktop.login1");
const QString kMock = QStringLiteral("org.freedesktop.DBus.Mock");

QDBusMessage callMock(const QString& path, const QString& interface, const QString& method,
                      const QVariantList& arguments) {
    QDBusMessage call = QDBusMessage::createMethodCall(kLogind, path, interface, method);
    call.setArguments(arguments);
    return QDBusConnection::systemBus().call(call, QDBus::Block, 5000);
}

void expectReply(const QDBusMessage& reply) {
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
}

class SessionBus : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(PrivateBusProblem(true), ""); }

    LinuxPlatform backend{"", true};
    ScopedPlatform guard{backend};
    CallLog logind{CallLog::pathIn("HALVO_LOGIND_LOG")};
    CallLog screenSaver{CallLog::pathIn("HALVO_SCREENSAVER_LOG")};
};

using Lines = std::vector<std::string>;

bool hasOwner(const std::string& name) {
    return QDBusConnection::sessionBus()
        .interface()
        ->isServiceRegistered(QString::fromStdString(name))
        .value();
}

// One of dbusmock's generic mocks on the private bus, with the methods a desktop's service has; gone again
// (and its name with it) when the object goes.
class DesktopServiceMock {
public:
    struct Method {
        std::string name;
        std::string inSignature;
        std::string code = ""; // Python run for each call; empty answers without an error
    };

    DesktopServiceMock(const std::string& service, const std::string& path, const std::string& interface,
                       const std::vector<Method>& methods)
        : m_service(service), m_process({"/usr/bin/python3", "-m", "dbusmock", "--session", "-l",
                                         m_folder / "calls.log", service, path, interface},
                                        {}, -1, true),
          m_log(m_folder / "calls.log") {
        m_running = WaitUntil([&] { return hasOwner(service); }, 15s);
        for (const Method& method : methods) {
            QDBusMessage call =
                QDBusMessage::createMethodCall(QString::fromStdString(service), QString::fromStdString(path),
                                               kMock, QStringLiteral("AddMethod"));
            call.setArguments({QString::fromStdString(interface), QString::fromStdString(method.name),
                               QString::fromStdString(method.inSignature), QString(),
                               QString::fromStdString(method.code)});
            m_running = m_running && QDBusConnection::sessionBus().call(call, QDBus::Block, 5000).type() ==
                                         QDBusMessage::ReplyMessage;
        }
    }
    ~DesktopServiceMock() {
        m_process.terminate();
        WaitUntil([&] { return !hasOwner(m_service); });
    }
    bool running() const { return m_running; }
    Lines newCalls() { return m_log.newCalls(); }

private:
    TempFolder m_folder;
    std::string m_service;
    ChildProcess m_process;
    CallLog m_log;
    bool m_running = false;
};

std::string refusing(const std::string& errorName, const std::string& message) {
    return "raise dbus.exceptions.DBusException('" + message + "', name='" + errorName + "')";
}

} // namespace

TEST_F(SessionBus, ShutDownPowerOffAndRestartReachLogind) {
    TShutDownTask().Run();
    EXPECT_EQ(logind.newCalls(), Lines{"PowerOff False"});
    TTurnOffTask().Run();
    EXPECT_EQ(logind.newCalls(), Lines{"PowerOff False"});
    TRestartTask().Run();
    EXPECT_EQ(logind.newCalls(), Lines{"Reboot False"});

    SessionPower& session = backend.session();
    EXPECT_TRUE(session.shutDown(false));
    EXPECT_TRUE(session.powerOff(false));
    EXPECT_TRUE(session.restart(true));
    EXPECT_EQ(logind.newCalls(), (Lines{"PowerOff False", "PowerOff False", "Reboot False"}));
    EXPECT_TRUE(screenSaver.newCalls().empty());
}

TEST_F(SessionBus, ScreenSaverBroadcastSwitchesTheScreenSaverOn) {
    TScreenSaverTask().Run();
    EXPECT_EQ(screenSaver.newCalls(), Lines{"SetActive True"});
    EXPECT_TRUE(backend.session().startScreenSaver());
    EXPECT_EQ(screenSaver.newCalls(), Lines{"SetActive True"});
    EXPECT_TRUE(logind.newCalls().empty());
}

// Each desktop's session manager is asked for log off and restart, with the arguments it takes, and logind
// hears nothing of it; with none of them running, logind gets what it always got.
TEST_F(SessionBus, LogOffAndRestartGoThroughTheDesktopsSessionManager) {
    struct Desktop {
        const char* name;
        const char* currentDesktop; // XDG_CURRENT_DESKTOP; nullptr: unset
        std::string service, path, interface;
        std::vector<DesktopServiceMock::Method> methods;
        Lines logOff, restart; // what reaches the manager's mock
    };
    const std::vector<Desktop> desktops = {
        {"KDE Plasma",
         "KDE",
         "org.kde.Shutdown",
         "/Shutdown",
         "org.kde.Shutdown",
         {{"logout", ""}, {"logoutAndReboot", ""}, {"logoutAndShutdown", ""}},
         {"logout"},
         {"logoutAndReboot"}},
        {"GNOME",
         "ubuntu:GNOME",
         "org.gnome.SessionManager",
         "/org/gnome/SessionManager",
         "org.gnome.SessionManager",
         {{"Logout", "u"}, {"Reboot", ""}, {"Shutdown", ""}, {"RequestReboot", ""}},
         {"Logout 1"},
         {"Reboot"}},
        {"MATE",
         "MATE",
         "org.gnome.SessionManager",
         "/org/gnome/SessionManager",
         "org.gnome.SessionManager",
         {{"Logout", "u"}, {"Shutdown", ""}, {"RequestReboot", ""}},
         {"Logout 1"},
         {"RequestReboot"}},
        // Cinnamon's manager serves the same name; without XDG_CURRENT_DESKTOP, GNOME's Reboot is tried first
        // and, unknown there, passed on.
        {"Cinnamon, unnamed",
         nullptr,
         "org.gnome.SessionManager",
         "/org/gnome/SessionManager",
         "org.gnome.SessionManager",
         {{"Logout", "u"}, {"RequestReboot", ""}},
         {"Logout 1"},
         {"RequestReboot"}},
        {"XFCE",
         "XFCE",
         "org.xfce.SessionManager",
         "/org/xfce/SessionManager",
         "org.xfce.Session.Manager",
         {{"Logout", "bb"}, {"Restart", "b"}, {"Shutdown", "b"}},
         {"Logout False True"},
         {"Restart True"}},
        {"LXQt",
         "LXQt",
         "org.lxqt.session",
         "/LXQtSession",
         "org.lxqt.session",
         {{"logout", ""}, {"reboot", ""}, {"powerOff", ""}},
         {"logout"},
         {"reboot"}},
    };
    for (const Desktop& desktop : desktops) {
        SCOPED_TRACE(desktop.name);
        ScopedEnvironment environment(
            "XDG_CURRENT_DESKTOP",
            desktop.currentDesktop ? std::optional<std::string>(desktop.currentDesktop) : std::nullopt);
        DesktopServiceMock manager(desktop.service, desktop.path, desktop.interface, desktop.methods);
        ASSERT_TRUE(manager.running());
        logind.newCalls();

        TLogOffTask().Run();
        EXPECT_EQ(manager.newCalls(), desktop.logOff);
        TRestartTask().Run();
        EXPECT_EQ(manager.newCalls(), desktop.restart);
        EXPECT_EQ(logind.newCalls(), Lines{});
        EXPECT_EQ(backend.session().refusalReason(), "");
    }

    // None runs (the mocks are gone): logind, as always.
    ScopedEnvironment session("XDG_SESSION_ID", "c1");
    TLogOffTask().Run();
    TRestartTask().Run();
    EXPECT_EQ(logind.newCalls(), (Lines{"TerminateSession \"c1\"", "Reboot False"}));
}

TEST_F(SessionBus, ASessionManagersRefusalStandsAndIsReported) {
    ScopedEnvironment desktop("XDG_CURRENT_DESKTOP", "GNOME");
    const std::string reason = "Logging out was cancelled: Text Editor has unsaved changes";
    DesktopServiceMock manager("org.gnome.SessionManager", "/org/gnome/SessionManager",
                               "org.gnome.SessionManager",
                               {{"Logout", "u", refusing("org.gnome.SessionManager.Cancelled", reason)},
                                {"Reboot", "", refusing("org.gnome.SessionManager.Cancelled", reason)}});
    ASSERT_TRUE(manager.running());
    logind.newCalls();

    testing::internal::CaptureStderr();
    SessionPower& power = backend.session();
    EXPECT_FALSE(power.logOff(false));
    EXPECT_EQ(power.refusalReason(), reason);
    EXPECT_FALSE(power.restart(false));
    EXPECT_EQ(power.refusalReason(), reason);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "halvo-shutdown: GNOME did not log off: " + reason + "\n" +
                  "halvo-shutdown: GNOME did not restart the computer: " + reason + "\n");
    const std::string raised = " raised: org.gnome.SessionManager.Cancelled: " + reason;
    EXPECT_EQ(manager.newCalls(), (Lines{"Logout 1", "Logout" + raised, "Reboot", "Reboot" + raised}));
    EXPECT_EQ(logind.newCalls(), Lines{}) << "logind must not end what the session manager kept";

    // Forced requests, and shut down and power off, are logind's whatever the manager would say.
    ScopedEnvironment session("XDG_SESSION_ID", "c1");
    EXPECT_TRUE(power.logOff(true));
    EXPECT_EQ(power.refusalReason(), "");
    EXPECT_TRUE(power.restart(true));
    TShutDownTask().Run();
    TTurnOffTask().Run();
    EXPECT_EQ(manager.newCalls(), Lines{});
    EXPECT_EQ(logind.newCalls(),
              (Lines{"TerminateSession \"c1\"", "Reboot False", "PowerOff False", "PowerOff False"}));
}

// The desktop's own screen saver comes before the freedesktop one; one that answers with an error passes
// the request on.
TEST_F(SessionBus, TheDesktopsOwnScreenSaverIsAskedFirst) {
    for (const char* name : {"gnome", "mate", "cinnamon", "xfce"}) {
        SCOPED_TRACE(name);
        const std::string service = std::string("org.") + name + ".ScreenSaver";
        const std::string path = std::string("/org/") + name + "/ScreenSaver";
        DesktopServiceMock saver(service, path, service, {{"SetActive", "b"}, {"GetActive", ""}});
        ASSERT_TRUE(saver.running());
        TScreenSaverTask().Run();
        EXPECT_EQ(saver.newCalls(), Lines{"SetActive True"});
        EXPECT_EQ(screenSaver.newCalls(), Lines{});
    }

    DesktopServiceMock gnome(
        "org.gnome.ScreenSaver", "/org/gnome/ScreenSaver", "org.gnome.ScreenSaver",
        {{"SetActive", "b",
          refusing("org.freedesktop.DBus.Error.NotSupported", "This method is not implemented")}});
    DesktopServiceMock xfce("org.xfce.ScreenSaver", "/org/xfce/ScreenSaver", "org.xfce.ScreenSaver",
                            {{"SetActive", "b"}});
    ASSERT_TRUE(gnome.running() && xfce.running());
    TScreenSaverTask().Run();
    EXPECT_EQ(
        gnome.newCalls(),
        (Lines{"SetActive True",
               "SetActive raised: org.freedesktop.DBus.Error.NotSupported: This method is not implemented"}));
    EXPECT_EQ(xfce.newCalls(), Lines{"SetActive True"});
    EXPECT_EQ(screenSaver.newCalls(), Lines{});
    EXPECT_EQ(logind.newCalls(), Lines{});
}

// The state the MIT-SCREEN-SAVER extension reports: XCB_SCREENSAVER_STATE_ON, _OFF or _DISABLED.
std::optional<int> xScreenSaverState(const std::string& display) {
    xcb_connection_t* c = xcb_connect(display.c_str(), nullptr);
    std::optional<int> state;
    if (!xcb_connection_has_error(c)) {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        xcb_screensaver_query_info_reply_t* info =
            xcb_screensaver_query_info_reply(c, xcb_screensaver_query_info(c, root), nullptr);
        if (info)
            state = info->state;
        std::free(info);
    }
    xcb_disconnect(c);
    return state;
}

// With no screen saver on the bus willing, the X server's own one starts.
TEST_F(SessionBus, WithoutABusScreenSaverTheXServersOwnStarts) {
    PrivateXServer server;
    ASSERT_FALSE(server.display.empty()) << "Xvfb did not start";
    ASSERT_EQ(xScreenSaverState(server.display), XCB_SCREENSAVER_STATE_OFF);
    LinuxPlatform onServer(server.display, true);
    const QString freedesktop = QStringLiteral("org.freedesktop.ScreenSaver");
    const auto setActive = [&](const QString& code) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            freedesktop, QStringLiteral("/org/freedesktop/ScreenSaver"), kMock, QStringLiteral("AddMethod"));
        call.setArguments(
            {freedesktop, QStringLiteral("SetActive"), QStringLiteral("b"), QStringLiteral("b"), code});
        expectReply(QDBusConnection::sessionBus().call(call, QDBus::Block, 5000));
    };
    setActive(QString::fromStdString(refusing("org.freedesktop.DBus.Error.NotSupported", "not here")));

    EXPECT_TRUE(onServer.session().startScreenSaver());
    EXPECT_EQ(
        screenSaver.newCalls(),
        (Lines{"SetActive True", "SetActive raised: org.freedesktop.DBus.Error.NotSupported: not here"}));
    EXPECT_TRUE(WaitUntil([&] { return xScreenSaverState(server.display) == XCB_SCREENSAVER_STATE_ON; }, 5s));

    // Without an X server either, nothing started it.
    LinuxPlatform nowhere(":" + std::to_string(65000 + ::getpid() % 500), true);
    EXPECT_FALSE(nowhere.session().startScreenSaver());
    setActive(QStringLiteral("self.active = args[0]; ret = True"));
}

// One test, for the mock keeps what is added to it: first the session from the environment, then the
// user's graphical session, then the session logind finds for our process.
TEST_F(SessionBus, LogOffAndLockEndOurOwnSession) {
    const QString manager = QStringLiteral("/org/freedesktop/login1");
    // private-session.sh has made the user and session c1; the user has no graphical session.
    const auto pid = static_cast<uint>(::getpid());
    const auto uid = static_cast<uint>(::getuid());

    // The template has no GetSessionByPID: the environment names the session.
    {
        ScopedEnvironment session("XDG_SESSION_ID", "c7");
        TLogOffTask().Run();
        TLockWorkStationTask().Run();
        EXPECT_TRUE(backend.session().logOff(true));
        EXPECT_EQ(logind.newCalls(),
                  (Lines{"TerminateSession \"c7\"", "LockSession \"c7\"", "TerminateSession \"c7\""}));
    }

    // Nothing names it: the user's display session does.
    {
        ScopedEnvironment noSession("XDG_SESSION_ID", std::nullopt);
        EXPECT_FALSE(backend.session().logOff(false)) << "the user has no graphical session yet";
        logind.newCalls();
        QDBusArgument display;
        display.beginStructure();
        display << QStringLiteral("9")
                << QDBusObjectPath(QStringLiteral("/org/freedesktop/login1/session/_39"));
        display.endStructure();
        expectReply(callMock(QStringLiteral("/org/freedesktop/login1/user/%1").arg(uid),
                             QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Set"),
                             {QStringLiteral("org.freedesktop.login1.User"), QStringLiteral("Display"),
                              QVariant::fromValue(QDBusVariant(QVariant::fromValue(display)))}));
        logind.newCalls();
        TLogOffTask().Run();
        TLockWorkStationTask().Run();
        EXPECT_EQ(logind.newCalls(), (Lines{"GetUser " + std::to_string(uid), "TerminateSession \"9\"",
                                            "GetUser " + std::to_string(uid), "LockSession \"9\""}));
    }

    // logind knows our process's session; its Id property, not its object path, is the id.
    {
        ScopedEnvironment session("XDG_SESSION_ID", "stale");
        expectReply(
            callMock(manager, kMock, QStringLiteral("AddSession"),
                     {QStringLiteral("_33"), QStringLiteral("seat0"), uid, QStringLiteral("tester"), false}));
        expectReply(callMock(QStringLiteral("/org/freedesktop/login1/session/_33"),
                             QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Set"),
                             {QStringLiteral("org.freedesktop.login1.Session"), QStringLiteral("Id"),
                              QVariant::fromValue(QDBusVariant(QStringLiteral("3")))}));
        const QString code = QStringLiteral("if args[0] != %1:\n"
                                            "    raise dbus.exceptions.DBusException('not in a session', "
                                            "name='org.freedesktop.login1.NoSessionForPID')\n"
                                            "ret = '/org/freedesktop/login1/session/_33'")
                                 .arg(pid);
        expectReply(
            callMock(manager, kMock, QStringLiteral("AddMethod"),
                     {QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("GetSessionByPID"),
                      QStringLiteral("u"), QStringLiteral("o"), code}));
        logind.newCalls();
        TLogOffTask().Run();
        TLockWorkStationTask().Run();
        EXPECT_EQ(logind.newCalls(),
                  (Lines{"GetSessionByPID " + std::to_string(pid), "TerminateSession \"3\"",
                         "GetSessionByPID " + std::to_string(pid), "LockSession \"3\""}));
    }
}
