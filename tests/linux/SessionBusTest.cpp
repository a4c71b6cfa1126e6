// Power, session and screen-saver calls against a private D-Bus daemon with the logind mock and a mock
// screen saver. The test re-runs itself under tests/helpers/private-session.sh and refuses to run
// anywhere else, so no call can reach this machine's own buses.

#include "LinuxTestSupport.h"

#include "model/Tasks.h"
#include "platform/linux/LinuxPlatform.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

using namespace halvo;
using namespace halvo::linuxtest;
using halvo::linuxbackend::LinuxPlatform;

namespace {

const QString kLogind = QStringLiteral("org.freedesktop.login1");
const QString kMock = QStringLiteral("org.freedesktop.DBus.Mock");

// The method calls a mock has logged since the last look, without their time stamps: "PowerOff False".
// Property traffic (Get, GetAll, Set and the signals it emits) is the mock's own business and left out.
class CallLog {
public:
    explicit CallLog(const char* variable) : m_path(std::getenv(variable) ? std::getenv(variable) : "") {
        m_seen = ReadWhole(m_path).size();
    }
    std::vector<std::string> newCalls() {
        const std::string text = ReadWhole(m_path);
        std::vector<std::string> lines;
        std::size_t pos = m_seen;
        while (pos < text.size()) {
            const auto end = text.find('\n', pos);
            if (end == std::string::npos)
                break;
            const std::string line = text.substr(pos, end - pos);
            const std::string call = line.substr(line.find(' ') + 1);
            const std::string method = call.substr(0, call.find(' '));
            if (method != "Get" && method != "GetAll" && method != "Set" && method != "emit")
                lines.push_back(call);
            pos = end + 1;
        }
        m_seen = pos;
        return lines;
    }

private:
    std::string m_path;
    std::size_t m_seen = 0;
};

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
    void SetUp() override {
        const char* folder = std::getenv("HALVO_PRIVATE_SESSION_DIR");
        const char* system = std::getenv("DBUS_SYSTEM_BUS_ADDRESS");
        const char* session = std::getenv("DBUS_SESSION_BUS_ADDRESS");
        ASSERT_TRUE(folder && system && session);
        const std::string privateBus = std::string("unix:path=") + folder + "/bus";
        ASSERT_EQ(std::string(system).rfind(privateBus, 0), 0u) << system;
        ASSERT_EQ(std::string(session).rfind(privateBus, 0), 0u) << session;
    }

    LinuxPlatform backend{"", true};
    ScopedPlatform guard{backend};
    CallLog logind{"HALVO_LOGIND_LOG"};
    CallLog screenSaver{"HALVO_SCREENSAVER_LOG"};
};

using Lines = std::vector<std::string>;

} // namespace

TEST_F(SessionBus, ShutDownPowerOffAndRestartReachLogind) {
    TShutDownTask().Run();
    EXPECT_EQ(logind.newCalls(), Lines{"PowerOff False"});
    TTurnOffTask().Run();
    EXPECT_EQ(logind.newCalls(), Lines{"PowerOff False"});
    TRestartTask().Run();
    EXPECT_EQ(logind.newCalls(), Lines{"Reboot False"});

    EXPECT_TRUE(backend.ExitWindowsEx(win::EWX_SHUTDOWN | win::EWX_FORCE, 0));
    EXPECT_TRUE(backend.ExitWindowsEx(win::EWX_POWEROFF | win::EWX_SHUTDOWN | win::EWX_FORCE, 0));
    EXPECT_TRUE(backend.ExitWindowsEx(win::EWX_REBOOT | win::EWX_FORCE, 0));
    EXPECT_EQ(logind.newCalls(), (Lines{"PowerOff False", "PowerOff False", "Reboot False"}));
    EXPECT_TRUE(screenSaver.newCalls().empty());
}

TEST_F(SessionBus, ScreenSaverBroadcastSwitchesTheScreenSaverOn) {
    TScreenSaverTask().Run();
    EXPECT_EQ(screenSaver.newCalls(), Lines{"SetActive True"});

    std::uintptr_t result = 7;
    EXPECT_EQ(backend.SendMessageTimeoutA(win::HWND_BROADCAST, win::WM_SYSCOMMAND, win::SC_SCREENSAVE, 0,
                                          win::SMTO_ABORTIFHUNG, 2000, &result),
              1);
    EXPECT_EQ(result, 0u);
    // Other messages have nowhere to go.
    EXPECT_EQ(
        backend.SendMessageTimeoutA(win::HWND_BROADCAST, win::WM_SYSCOMMAND, 0xF060, 0, 0, 2000, &result), 0);
    EXPECT_EQ(
        backend.SendMessageTimeoutA(0x1234, win::WM_SYSCOMMAND, win::SC_SCREENSAVE, 0, 0, 2000, &result), 0);
    EXPECT_EQ(screenSaver.newCalls(), Lines{"SetActive True"});
    EXPECT_TRUE(logind.newCalls().empty());
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
        EXPECT_TRUE(backend.ExitWindowsEx(win::EWX_LOGOFF | win::EWX_FORCE, 0));
        EXPECT_EQ(logind.newCalls(),
                  (Lines{"TerminateSession \"c7\"", "LockSession \"c7\"", "TerminateSession \"c7\""}));
    }

    // Nothing names it: the user's display session does.
    {
        ScopedEnvironment noSession("XDG_SESSION_ID", std::nullopt);
        EXPECT_FALSE(backend.ExitWindowsEx(win::EWX_LOGOFF, 0)) << "the user has no graphical session yet";
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

TEST_F(SessionBus, LockWorkStationIsFoundOnlyWhereWindowsHasIt) {
    const Handle user32 = backend.GetModuleHandleA("USER32.DLL");
    ASSERT_NE(user32, 0u);
    EXPECT_EQ(backend.GetModuleHandleA("user32.dll"), user32);
    EXPECT_EQ(backend.GetModuleHandleA("KERNEL32.DLL"), 0u);
    EXPECT_FALSE(backend.GetProcAddress(user32, "LockWorkStationEx"));
    EXPECT_FALSE(backend.GetProcAddress(user32 + 4, "LockWorkStation"));
    const ProcAddress lock = backend.GetProcAddress(user32, "LockWorkStation");
    ASSERT_TRUE(lock);
    EXPECT_EQ(lock(), 1);
    const Lines calls = logind.newCalls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back().rfind("LockSession \"", 0), 0u) << calls.back();
}

int main(int argc, char** argv) {
    if (!std::getenv("HALVO_PRIVATE_SESSION_DIR")) {
        // Started by hand or by CTest: run again inside a private D-Bus world, once.
        if (std::getenv("HALVO_SESSION_TEST_REEXECUTED")) {
            std::fputs("the private D-Bus world did not come up; refusing to touch the real buses\n", stderr);
            return 1;
        }
        ::setenv("HALVO_SESSION_TEST_REEXECUTED", "1", 1);
        std::vector<char*> arguments{const_cast<char*>(HALVO_PRIVATE_SESSION)};
        static std::string self = "/proc/self/exe";
        char path[4096] = {};
        if (::readlink("/proc/self/exe", path, sizeof path - 1) > 0)
            self = path;
        arguments.push_back(self.data());
        for (int i = 1; i < argc; ++i)
            arguments.push_back(argv[i]);
        arguments.push_back(nullptr);
        ::execv(HALVO_PRIVATE_SESSION, arguments.data());
        std::perror("private-session.sh");
        return 1;
    }
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
