// The activity readings against real peers: the kernel's counters with a busy child and traffic between two
// network namespaces of the test's own, idle time from a private Xvfb and from mocks of the desktops' idle
// services, the battery from dbusmock's UPower, and child processes that end. The test runs inside the
// private D-Bus world (tests/helpers/private-session.sh) and nowhere else.

#include "LinuxTestSupport.h"

#include "platform/linux/LinuxActivity.h"
#include "tests/helpers/TestPaths.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <tuple>
#include <unistd.h>

using namespace halvo;
using namespace halvo::linuxtest;
using halvo::linuxbackend::LinuxActivity;

namespace {

const char* const kNoIdleSource =
    "Neither the X server nor the desktop (GNOME or KDE) tells how long the user has been idle";

// The answer of one reading, waiting for it with the event loop running; nothing on timeout.
template <class T, class Ask>
std::optional<Reading<T>> Await(Ask ask, std::chrono::milliseconds timeout = 8s) {
    auto answer = std::make_shared<std::optional<Reading<T>>>();
    ask([answer](Reading<T> reading) { *answer = std::move(reading); });
    WaitUntil(
        [&] {
            QCoreApplication::processEvents();
            return answer->has_value();
        },
        timeout);
    return *answer;
}

std::optional<Reading<std::int64_t>> IdleOf(LinuxActivity& activity) {
    return Await<std::int64_t>([&](auto answer) { activity.userIdle(answer); });
}

// Runs a command to its end; its exit status, or -1.
int RunToEnd(const std::vector<std::string>& argv,
             const std::map<std::string, std::string>& environment = {}) {
    ChildProcess child(argv, environment, -1, true);
    const auto status = child.waitExit(20s);
    return status && WIFEXITED(*status) ? WEXITSTATUS(*status) : -1;
}

bool SessionBusHas(const QString& name) {
    return QDBusConnection::sessionBus().interface()->isServiceRegistered(name).value();
}

QDBusMessage CallMock(bool systemBus, const QString& service, const QString& path, const QString& method,
                      const QVariantList& arguments) {
    QDBusMessage call =
        QDBusMessage::createMethodCall(service, path, QStringLiteral("org.freedesktop.DBus.Mock"), method);
    call.setArguments(arguments);
    return (systemBus ? QDBusConnection::systemBus() : QDBusConnection::sessionBus())
        .call(call, QDBus::Block, 5000);
}

// A dbusmock process on the private bus, stopped (and its name gone) with the object.
class Mock {
public:
    Mock(const std::vector<std::string>& arguments, QString name)
        : m_name(std::move(name)), m_process(arguments, {}, -1, true) {
        running = WaitUntil([&] { return SessionBusHas(m_name); }, 15s);
    }
    ~Mock() {
        m_process.terminate();
        WaitUntil([&] { return !SessionBusHas(m_name); });
    }
    bool running = false;

private:
    QString m_name;
    ChildProcess m_process;
};

} // namespace

// Made-up counter files show which columns count; unreadable ones give a reason, never zero.
TEST(Activity, CountersAreReadColumnByColumnAndFailuresSayWhy) {
    struct Case {
        const char* name;
        const char* stat;               // nullptr: no such file
        const char* netDev;             // nullptr: no such file
        std::string processor, network; // "busy/total" or the failure; "a:rx:tx b:rx:tx" or the failure
    };
    const char* heading =
        "Inter-|   Receive                            |  Transmit\n"
        " face |bytes    packets errs drop fifo frame compressed multicast|bytes    packets "
        "errs drop fifo colls carrier compressed\n";
    TempFolder proc;
    const std::vector<Case> cases = {
        {"all columns", "cpu  10 20 30 400 50 6 7 8 9 10\ncpu0 1 1 1 1 1 1 1 1 1 1\n",
         "    lo: 999 9 0 0 0 0 0 0 999 9 0 0 0 0 0 0\n"
         "  eth0: 1000 10 0 0 0 0 0 0 2000 20 0 0 0 0 0 0\n"
         "wlan0:30000000000 1 0 0 0 0 0 0 7 1 0 0 0 0 0 0\n",
         "81/531", "eth0:1000:2000 wlan0:30000000000:7"},
        {"an old kernel's four columns", "cpu 1 2 3 4\n", "", "6/10", ""},
        {"no files", nullptr, nullptr, "cannot read " + proc / "stat" + ": No such file or directory",
         "cannot read " + proc / "net/dev" + ": No such file or directory"},
        {"garbled", "intr 1 2 3\n", "  eth0: 1000 10 0\n", proc / "stat" + " has no processor times",
         proc / "net/dev" + " has a line that cannot be read:   eth0: 1000 10 0"},
    };
    std::filesystem::create_directory(proc / "net");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(proc / "stat");
        std::filesystem::remove(proc / "net/dev");
        if (c.stat)
            WriteWhole(proc / "stat", c.stat);
        if (c.netDev)
            WriteWhole(proc / "net/dev", heading + std::string(c.netDev));
        LinuxActivity activity("", proc.path());
        const auto times = Await<ProcessorTimes>([&](auto answer) { activity.processorTimes(answer); });
        ASSERT_TRUE(times);
        EXPECT_EQ(times->value
                      ? std::to_string(times->value->busy) + "/" + std::to_string(times->value->total)
                      : times->failure,
                  c.processor);
        const auto bytes =
            Await<std::vector<InterfaceBytes>>([&](auto answer) { activity.networkBytes(answer); });
        ASSERT_TRUE(bytes);
        std::string network = bytes->failure;
        for (const InterfaceBytes& interface : bytes->value.value_or(std::vector<InterfaceBytes>{}))
            network += (network.empty() ? "" : " ") + interface.name + ":" +
                       std::to_string(interface.received) + ":" + std::to_string(interface.sent);
        EXPECT_EQ(network, c.network);
    }
}

// A bounded busy loop of our own shows as busy time; the total grows with the clock on every core.
TEST(Activity, ABusyChildRaisesTheBusyShare) {
    LinuxActivity activity;
    const auto processor = [&] {
        const auto reading = Await<ProcessorTimes>([&](auto answer) { activity.processorTimes(answer); });
        EXPECT_TRUE(reading && reading->value) << (reading ? reading->failure : "no answer");
        return reading && reading->value ? *reading->value : ProcessorTimes{};
    };
    const auto childTicks = [] {
        rusage usage{};
        ::getrusage(RUSAGE_CHILDREN, &usage);
        const double seconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                               static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
        return seconds * static_cast<double>(::sysconf(_SC_CLK_TCK));
    };
    const double ticksBefore = childTicks();
    const auto start = std::chrono::steady_clock::now();
    const ProcessorTimes before = processor();
    ChildProcess busy({"/usr/bin/python3", "-c",
                       "import time\nend = time.monotonic() + 1.5\nwhile time.monotonic() < end: pass"});
    ASSERT_TRUE(busy.waitExit(20s));
    const ProcessorTimes after = processor();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double childBusy = childTicks() - ticksBefore;
    const double busyTicks = static_cast<double>(after.busy - before.busy);
    const double totalTicks = static_cast<double>(after.total - before.total);
    const double allCores =
        seconds * static_cast<double>(::sysconf(_SC_NPROCESSORS_ONLN) * ::sysconf(_SC_CLK_TCK));

    EXPECT_GT(childBusy, 0.2 * static_cast<double>(::sysconf(_SC_CLK_TCK))) << "the child hardly ran";
    EXPECT_GE(busyTicks, childBusy - 3) << "the child's own time is part of the busy time";
    EXPECT_LE(busyTicks, totalTicks);
    EXPECT_GT(totalTicks, 0.7 * allCores);
    EXPECT_LT(totalTicks, 1.3 * allCores + 10);
}

// The X server's own idle time grows while nobody touches it and starts again with input.
TEST(Activity, IdleTimeOnX11IsTheXServersAndInputResetsIt) {
    PrivateXServer server;
    ASSERT_FALSE(server.display.empty()) << "Xvfb did not start";
    ScopedEnvironment session("XDG_SESSION_TYPE", "x11");
    session.set("WAYLAND_DISPLAY", std::nullopt);
    LinuxActivity activity(server.display);
    const auto moveMouse = [&](const char* x) {
        EXPECT_EQ(RunToEnd({"/usr/bin/xdotool", "mousemove", x, x}, {{"DISPLAY", server.display}}), 0);
    };

    moveMouse("5");
    std::this_thread::sleep_for(1500ms);
    const auto quiet = IdleOf(activity);
    ASSERT_TRUE(quiet && quiet->value) << (quiet ? quiet->failure : "no answer");
    EXPECT_GE(*quiet->value, 1400);
    EXPECT_LT(*quiet->value, 10000);

    moveMouse("40");
    const auto touched = IdleOf(activity);
    ASSERT_TRUE(touched && touched->value);
    EXPECT_LT(*touched->value, 1000);
}

// On Wayland (or without an X server) GNOME's idle monitor is asked first, then KDE's screen saver.
TEST(Activity, IdleTimeComesFromTheDesktopWhenXCannotTell) {
    const QString screenSaver = QStringLiteral("org.freedesktop.ScreenSaver");
    const auto kdeAnswers = [&](const QString& code) {
        const QDBusMessage reply = CallMock(
            false, screenSaver, QStringLiteral("/org/freedesktop/ScreenSaver"), QStringLiteral("AddMethod"),
            {screenSaver, QStringLiteral("GetSessionIdleTime"), QString(), QStringLiteral("u"), code});
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    };
    const QString refuse = QStringLiteral(
        "raise dbus.exceptions.DBusException('no', name='org.freedesktop.DBus.Error.NotSupported')");
    PrivateXServer server;
    ASSERT_FALSE(server.display.empty()) << "Xvfb did not start";
    const std::string noServer = ":" + std::to_string(65000 + ::getpid() % 500);

    struct Case {
        const char* name;
        const char* sessionType;
        std::string display;
        QString gnome; // the idle monitor's code; empty: not running
        QString kde;
        std::string expected; // the idle time in ms, or the failure, at each of two readings
        int gnomeAsked;       // how often the GNOME service was asked over the two
    };
    const std::vector<Case> cases = {
        {"GNOME on Wayland, X not asked", "wayland", server.display, "ret = 4242000", "ret = 7", "4242000",
         2},
        {"KDE on Wayland", "wayland", server.display, "", "ret = 90000", "90000", 0},
        {"GNOME refuses, KDE answers, and is asked first the next time", "wayland", server.display, refuse,
         "ret = 1234", "1234", 1},
        {"X11 without its server", "x11", noServer, "ret = 5000", refuse, "5000", 2},
        {"nobody answers", "wayland", server.display, "", refuse, kNoIdleSource, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedEnvironment session("XDG_SESSION_TYPE", c.sessionType);
        session.set("WAYLAND_DISPLAY", std::nullopt);
        std::unique_ptr<Mock> gnome;
        if (!c.gnome.isEmpty()) {
            gnome = std::make_unique<Mock>(
                std::vector<std::string>{"/usr/bin/python3", "-m", "dbusmock", "--session",
                                         "org.gnome.Mutter.IdleMonitor", "/org/gnome/Mutter/IdleMonitor/Core",
                                         "org.gnome.Mutter.IdleMonitor"},
                QStringLiteral("org.gnome.Mutter.IdleMonitor"));
            ASSERT_TRUE(gnome->running);
            const QString name = QStringLiteral("org.gnome.Mutter.IdleMonitor");
            for (const auto& [method, out, code] :
                 {std::tuple{"GetIdletime", "t", "self.asked = getattr(self, 'asked', 0) + 1\n" + c.gnome},
                  std::tuple{"Asked", "u", QStringLiteral("ret = getattr(self, 'asked', 0)")}}) {
                const QDBusMessage reply =
                    CallMock(false, name, QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core"),
                             QStringLiteral("AddMethod"),
                             {name, QString::fromLatin1(method), QString(), QString::fromLatin1(out), code});
                ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
            }
        }
        kdeAnswers(c.kde);
        LinuxActivity activity(c.display);
        for (int reading = 0; reading < 2; ++reading) {
            const auto idle = IdleOf(activity);
            ASSERT_TRUE(idle);
            EXPECT_EQ(idle->value ? std::to_string(*idle->value) : idle->failure, c.expected);
        }
        if (gnome) {
            const QDBusMessage asked = QDBusConnection::sessionBus().call(
                QDBusMessage::createMethodCall(QStringLiteral("org.gnome.Mutter.IdleMonitor"),
                                               QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core"),
                                               QStringLiteral("org.gnome.Mutter.IdleMonitor"),
                                               QStringLiteral("Asked")),
                QDBus::Block, 5000);
            ASSERT_EQ(asked.arguments().size(), 1) << asked.errorMessage().toStdString();
            EXPECT_EQ(asked.arguments().first().toInt(), c.gnomeAsked);
        } else {
            EXPECT_EQ(c.gnomeAsked, 0);
        }
    }
    kdeAnswers(QStringLiteral("ret = 0"));
}

// The battery as UPower's display device tells it.
TEST(Activity, TheBatteryComesFromUPowersDisplayDevice) {
    struct Case {
        const char* name;
        QVariantList displayDevice; // SetupDisplayDevice's arguments; empty: as the template starts
        std::string expected;       // "on battery 40" / "on mains 73.5", or the failure
    };
    const auto device = [](uint type, uint state, double percent, bool present) {
        return QVariantList{type,   state,        percent,      10.0,    20.0,
                            0.0,    qlonglong(0), qlonglong(0), present, QStringLiteral(""),
                            uint(1)};
    };
    const std::vector<Case> cases = {
        {"a desktop computer", {}, "This computer has no battery"},
        {"discharging", device(2, 2, 40, true), "on battery 40"},
        {"charging", device(2, 1, 73.5, true), "on mains 73.5"},
        {"full on mains", device(2, 4, 100, true), "on mains 100"},
        {"empty", device(2, 3, 1, true), "on battery 1"},
        {"battery taken out", device(2, 2, 0, false), "This computer has no battery"},
    };
    {
        Mock upower({"/usr/bin/python3", "-m", "dbusmock", "--system", "--template", "upower"},
                    QStringLiteral("org.freedesktop.UPower"));
        ASSERT_TRUE(upower.running);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            if (!c.displayDevice.isEmpty()) {
                const QDBusMessage reply = CallMock(true, QStringLiteral("org.freedesktop.UPower"),
                                                    QStringLiteral("/org/freedesktop/UPower"),
                                                    QStringLiteral("SetupDisplayDevice"), c.displayDevice);
                ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
            }
            LinuxActivity activity;
            const auto power = Await<PowerSource>([&](auto answer) { activity.powerSource(answer); });
            ASSERT_TRUE(power);
            std::ostringstream shown;
            if (power->value)
                shown << (power->value->onBattery ? "on battery " : "on mains ") << power->value->percent;
            EXPECT_EQ(power->value ? shown.str() : power->failure, c.expected);
        }
    }
    LinuxActivity activity;
    const auto gone = Await<PowerSource>([&](auto answer) { activity.powerSource(answer); });
    ASSERT_TRUE(gone);
    EXPECT_EQ(gone->failure, "UPower is not running, so the battery cannot be read");
}

// A program is found by its file's name among this user's live processes, and a watched process reports
// its end once.
TEST(Activity, ProgramsAreFoundByFileNameAndWatchedUntilTheyEnd) {
    TempFolder folder;
    const std::string program = folder / "halvo-waits-here";
    std::filesystem::copy_file("/usr/bin/sleep", program);
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    ChildProcess first({program, "30"}), second({program, "30"}), third({program, "30"});
    const auto pid = [](const ChildProcess& child) { return static_cast<std::uint32_t>(child.pid()); };
    LinuxActivity activity;
    using Ids = std::vector<std::uint32_t>;
    ASSERT_TRUE(WaitUntil([&] { return activity.processesRunning("halvo-waits-here").size() == 3; }));
    EXPECT_EQ(activity.processesRunning("halvo-waits-here"), (Ids{pid(first), pid(second), pid(third)}));
    EXPECT_EQ(activity.processesRunning("halvo-waits"), Ids{});
    EXPECT_EQ(activity.processesRunning(program), Ids{}) << "a name, not a path";
    EXPECT_EQ(RunAsNobody([&] { return LinuxActivity().processesRunning("halvo-waits-here").empty(); }), true)
        << "another user's processes are not theirs";
    // One whose program file we may not read (non-dumpable, as key agents are) is found by the name it was
    // started by; root sees through that, so nobody looks.
    const std::string testProgram = std::filesystem::read_symlink("/proc/self/exe").filename();
    EXPECT_EQ(RunAsNobody([&] {
                  return WithNonDumpableChild([&](pid_t agent) {
                      return LinuxActivity().processesRunning(testProgram) ==
                             Ids{static_cast<std::uint32_t>(agent)};
                  });
              }),
              true);

    // Replaced on disk, the program still runs under its name.
    std::filesystem::remove(program);
    EXPECT_EQ(activity.processesRunning("halvo-waits-here").size(), 3u);

    int calls[3] = {};
    std::string failure;
    ASSERT_TRUE(activity.watchProcess(
        pid(first), [&] { ++calls[0]; }, failure))
        << failure;
    ASSERT_TRUE(activity.watchProcess(
        pid(second), [&] { ++calls[1]; }, failure))
        << failure;
    ASSERT_TRUE(activity.watchProcess(
        pid(third), [&] { ++calls[2]; }, failure))
        << failure;
    activity.stopWatching(pid(third));

    // Ended but not yet collected by us, its parent, it has ended all the same.
    ::kill(first.pid(), SIGKILL);
    ::kill(third.pid(), SIGKILL);
    EXPECT_TRUE(WaitUntil([&] {
        QCoreApplication::processEvents();
        return calls[0] == 1;
    }));
    WaitUntil([&] { return activity.processesRunning("halvo-waits-here").size() == 1; });
    EXPECT_EQ(activity.processesRunning("halvo-waits-here"), Ids{pid(second)});
    second.terminate();
    EXPECT_TRUE(WaitUntil([&] {
        QCoreApplication::processEvents();
        return calls[1] == 1;
    }));
    WaitUntil(
        [] {
            QCoreApplication::processEvents();
            return false;
        },
        300ms);
    EXPECT_EQ((std::vector<int>(calls, calls + 3)), (std::vector<int>{1, 1, 0}))
        << "once each, none when stopped";

    // A zombie watched after its end reports at once; a collected one cannot be watched.
    ASSERT_TRUE(activity.watchProcess(
        pid(third), [&] { ++calls[2]; }, failure))
        << failure;
    EXPECT_TRUE(WaitUntil([&] {
        QCoreApplication::processEvents();
        return calls[2] == 1;
    }));
    third.terminate();
    EXPECT_FALSE(activity.watchProcess(
        pid(third), [] {}, failure));
    EXPECT_EQ(failure, "No process with id " + std::to_string(pid(third)) + " is running");
    EXPECT_FALSE(activity.watchProcess(
        0, [] {}, failure));
    EXPECT_EQ(failure, "No process with id 0 is running");
    EXPECT_EQ(RunAsNobody([] {
                  std::string refused;
                  return !LinuxActivity().watchProcess(
                             1, [] {}, refused) &&
                         refused == "Process 1 belongs to another user";
              }),
              true);
}

namespace {

// Two network namespaces of the test's own joined by a veth pair, 10.213.0.1 (a) and 10.213.0.2 (b); both
// go with the object, and with them every interface in them.
class NamespacePair {
public:
    NamespacePair() {
        // Left behind by a run that was killed: ours by name, and their process is gone.
        for (const std::string& name : FolderEntries("/run/netns")) {
            const std::string prefix = name.substr(0, 12);
            if ((prefix == "halvo-act-a-" || prefix == "halvo-act-b-") &&
                ::kill(std::atoi(name.c_str() + 12), 0) != 0 && errno == ESRCH)
                RunToEnd({"/bin/ip", "netns", "del", name});
        }
        const std::string id = std::to_string(::getpid());
        a = "halvo-act-a-" + id;
        b = "halvo-act-b-" + id;
        if (RunToEnd({"/bin/ip", "netns", "add", a}) != 0)
            return;
        m_madeA = true;
        if (RunToEnd({"/bin/ip", "netns", "add", b}) != 0)
            return;
        m_madeB = true;
        const std::vector<std::vector<std::string>> steps = {
            {"/bin/ip", "-n", a, "link", "add", "hva", "type", "veth", "peer", "name", "hvb", "netns", b},
            {"/bin/ip", "netns", "exec", a, "/sbin/sysctl", "-qw", "net.ipv6.conf.all.disable_ipv6=1"},
            {"/bin/ip", "netns", "exec", b, "/sbin/sysctl", "-qw", "net.ipv6.conf.all.disable_ipv6=1"},
            {"/bin/ip", "-n", a, "addr", "add", "10.213.0.1/30", "dev", "hva"},
            {"/bin/ip", "-n", b, "addr", "add", "10.213.0.2/30", "dev", "hvb"},
            {"/bin/ip", "-n", a, "link", "set", "lo", "up"},
            {"/bin/ip", "-n", a, "link", "set", "hva", "up"},
            {"/bin/ip", "-n", b, "link", "set", "hvb", "up"},
        };
        for (const auto& step : steps)
            if (RunToEnd(step) != 0)
                return;
        ready = true;
    }
    ~NamespacePair() {
        if (m_madeA)
            RunToEnd({"/bin/ip", "netns", "del", a});
        if (m_madeB)
            RunToEnd({"/bin/ip", "netns", "del", b});
    }
    std::string a, b;
    bool ready = false;

private:
    bool m_madeA = false, m_madeB = false;
};

// Sends count datagrams of size bytes from inside a namespace to an address of the test's own.
const char* const kSend = "import socket, sys\n"
                          "s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)\n"
                          "for _ in range(int(sys.argv[3])): s.sendto(b'x' * int(sys.argv[4]), "
                          "(sys.argv[1], int(sys.argv[2])))\n";
// Takes datagrams on an address until its input closes, so that no port-unreachable answer goes back.
const char* const kListen = "import socket, sys, threading\n"
                            "s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)\n"
                            "s.bind((sys.argv[1], int(sys.argv[2])))\n"
                            "threading.Thread(target=lambda: [s.recv(65536) for _ in iter(int, 1)], "
                            "daemon=True).start()\n"
                            "print('ready', flush=True)\n"
                            "sys.stdin.read()\n";

} // namespace

// Inside a namespace of its own the reading sees that namespace's interfaces, without loopback, and counts
// what went out and came in.
TEST(Activity, NetworkBytesCountTrafficOnEveryInterfaceButLoopback) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "network namespaces need CAP_NET_ADMIN (run as root)";
    NamespacePair spaces;
    if (!spaces.ready)
        GTEST_SKIP()
            << "this machine does not allow network namespaces with a veth pair (ip netns add failed)";
    const auto inA = [&](std::vector<std::string> argv) {
        argv.insert(argv.begin(), {"/bin/ip", "netns", "exec", spaces.a});
        return argv;
    };
    const auto inB = [&](std::vector<std::string> argv) {
        argv.insert(argv.begin(), {"/bin/ip", "netns", "exec", spaces.b});
        return argv;
    };
    ChildProcess listenA(inA({"/usr/bin/python3", "-c", kListen, "10.213.0.1", "5001"}));
    ChildProcess listenB(inB({"/usr/bin/python3", "-c", kListen, "10.213.0.2", "5000"}));
    ASSERT_EQ(listenA.readLine(10s), "ready");
    ASSERT_EQ(listenB.readLine(10s), "ready");
    const auto send = [&](const std::vector<std::string>& where, const char* to, const char* port, int count,
                          int size) {
        std::vector<std::string> argv = {where[0],
                                         where[1],
                                         where[2],
                                         where[3],
                                         "/usr/bin/python3",
                                         "-c",
                                         kSend,
                                         to,
                                         port,
                                         std::to_string(count),
                                         std::to_string(size)};
        EXPECT_EQ(RunToEnd(argv), 0);
    };
    const std::vector<std::string> a = inA({}), b = inB({});
    // Each side learns the other's hardware address before counting starts.
    send(a, "10.213.0.2", "5000", 1, 1);
    send(b, "10.213.0.1", "5001", 1, 1);
    std::this_thread::sleep_for(200ms);

    const auto read = [&] {
        ChildProcess reader(inA({TestPath("HALVO_ACTIVITY_READER")}));
        std::map<std::string, std::pair<std::uint64_t, std::uint64_t>> counters;
        while (const auto line = reader.readLine(10s)) {
            std::istringstream fields(*line);
            std::string name;
            std::uint64_t received = 0, sent = 0;
            EXPECT_TRUE(fields >> name >> received >> sent) << *line;
            counters[name] = {received, sent};
        }
        return counters;
    };
    const auto before = read();
    ASSERT_EQ(before.size(), 1u) << "lo is left out";
    ASSERT_EQ(before.begin()->first, "hva");

    send(a, "10.213.0.2", "5000", 100, 1000);
    send(b, "10.213.0.1", "5001", 50, 500);
    send(a, "127.0.0.1", "5001", 100, 1000);
    std::this_thread::sleep_for(200ms);
    const auto after = read();
    ASSERT_EQ(after.size(), 1u);
    ASSERT_EQ(after.begin()->first, "hva");

    // A frame carries 42 bytes of Ethernet, IP and UDP headers; loopback traffic adds nothing.
    const auto [receivedBefore, sentBefore] = before.at("hva");
    const auto [receivedAfter, sentAfter] = after.at("hva");
    EXPECT_GE(sentAfter - sentBefore, 100u * 1042u);
    EXPECT_LE(sentAfter - sentBefore, 100u * 1042u + 100u);
    EXPECT_GE(receivedAfter - receivedBefore, 50u * 542u);
    EXPECT_LE(receivedAfter - receivedBefore, 50u * 542u + 100u);

    // With many interfaces the kernel's file is longer than the page it fills at a time: all are read.
    for (int pair = 0; pair < 40; ++pair)
        ASSERT_EQ(RunToEnd({"/bin/ip", "-n", spaces.a, "link", "add", "x" + std::to_string(pair), "type",
                            "veth", "peer", "name", "y" + std::to_string(pair)}),
                  0);
    const auto many = read();
    EXPECT_EQ(many.size(), 81u);
    EXPECT_TRUE(many.count("hva") && many.count("x0") && many.count("y39"));
}
