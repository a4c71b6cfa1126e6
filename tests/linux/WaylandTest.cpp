// The window list on Wayland desktops, against the real compositors (a copy of Debian's kwin_wayland in
// its virtual mode, headless sway as nobody) with Wayland clients of our own and an X11 client through
// their XWayland, and against GNOME Shell's "Window Calls" extension served by a mock on the private bus:
// the list holds exactly the test's windows with their processes, the picker offers them, close-all ends
// exactly the processes the neighbour rule names, and where the list cannot be had the notice says why.

#include "LinuxTestSupport.h"

#include "model/ProcessRoutines.h"
#include "pages/FormProcessList.h"
#include "platform/linux/LinuxPlatform.h"
#include "tests/fakes/RecordingUi.h"
#include "tests/helpers/TestPaths.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace halvo;
using namespace halvo::linuxtest;
using halvo::linuxbackend::LinuxPlatform;

namespace {

using Row = std::pair<std::string, std::uint32_t>;

std::vector<Row> rowsOf(const std::vector<WindowEntry>& list) {
    std::vector<Row> rows;
    for (const auto& entry : list)
        rows.emplace_back(entry.title, platform().windows().processOf(entry.window));
    return rows;
}

std::vector<Row> pickerRows(const TFormProcessList& picker) {
    std::vector<Row> rows;
    for (int i = 0; i < picker.ListView1->topLevelItemCount(); ++i)
        rows.emplace_back(picker.ListView1->topLevelItem(i)->text(0).toStdString(),
                          picker.ListView1->topLevelItem(i)->text(1).toUInt());
    return rows;
}

bool nameOwned(const char* name) {
    const QDBusReply<bool> reply = QDBusConnection::sessionBus().interface()->isServiceRegistered(name);
    return reply.isValid() && reply.value();
}

// XWayland puts its socket there, as every X server does; a container may lack the folder.
void ensureX11SocketFolder() {
    if (::mkdir("/tmp/.X11-unix", 01777) == 0)
        ::chmod("/tmp/.X11-unix", 01777);
}

// A compositor of the test's own, with what its clients and the program see of it.
class Session {
public:
    virtual ~Session() = default;
    std::string missing;                                  // the package to install, when it is missing
    std::string failure;                                  // why the compositor did not come up
    std::map<std::string, std::string> clientEnvironment; // WAYLAND_DISPLAY, DISPLAY, XDG_RUNTIME_DIR
    std::vector<std::string> clientPrefix;                // runs a client as the compositor's user
    std::string swaySocket;
    virtual bool running() = 0;

protected:
    // The compositor runs a script of ours once it is up, XWayland with it, which writes down the names of
    // both displays.
    std::string writeDisplayReporter(const std::string& report) {
        const std::string script = m_folder / "report-displays.sh";
        WriteWhole(script, "#!/bin/sh\necho \"$WAYLAND_DISPLAY $DISPLAY\" > " + report + ".new && mv " +
                               report + ".new " + report + "\n");
        ::chmod(script.c_str(), 0755);
        return script;
    }

    bool readDisplays(const std::string& report) {
        std::string line;
        WaitUntil(
            [&] {
                line = ReadWhole(report);
                return line.find(':') != std::string::npos;
            },
            30s);
        const std::size_t blank = line.find(' ');
        if (blank == std::string::npos || line.find(':') == std::string::npos)
            return false;
        clientEnvironment["WAYLAND_DISPLAY"] = line.substr(0, blank);
        clientEnvironment["DISPLAY"] = line.substr(blank + 1, line.find_first_of("\n", blank) - blank - 1);
        return true;
    }

    TempFolder m_folder;
};

// kwin_wayland carries a file capability that a container will not exec: a plain copy of it runs.
class KWinSession final : public Session {
public:
    KWinSession() {
        if (!std::filesystem::exists("/usr/bin/kwin_wayland")) {
            missing = "kwin-wayland";
            return;
        }
        ensureX11SocketFolder();
        const std::string kwin = m_folder / "kwin_wayland", runtime = m_folder / "runtime",
                          report = m_folder / "displays";
        std::filesystem::copy_file("/usr/bin/kwin_wayland", kwin);
        ::chmod(kwin.c_str(), 0755);
        ::mkdir(runtime.c_str(), 0700);
        const std::string socket = "halvo-kwin-" + std::to_string(::getpid());
        m_kwin = std::make_unique<ChildProcess>(
            std::vector<std::string>{"/usr/bin/env", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u",
                                     "QT_QPA_PLATFORM", kwin, "--virtual", "--no-lockscreen", "--xwayland",
                                     "--socket", socket, "--width", "1024", "--height", "768",
                                     writeDisplayReporter(report)},
            std::map<std::string, std::string>{{"XDG_RUNTIME_DIR", runtime},
                                               {"HOME", m_folder.path()},
                                               {"XDG_CONFIG_HOME", m_folder / "config"},
                                               {"XDG_DATA_HOME", m_folder / "data"}},
            -1, true);
        clientEnvironment["XDG_RUNTIME_DIR"] = runtime;
        if (!readDisplays(report) || !WaitUntil([] { return nameOwned("org.kde.KWin"); }, 10s))
            failure = "kwin_wayland did not come up";
    }
    ~KWinSession() override {
        if (m_kwin)
            m_kwin->terminate();
        // Its XWayland goes with it; the bus name tells when KWin is gone for the next test.
        WaitUntil([] { return !nameOwned("org.kde.KWin"); }, 10s);
    }
    bool running() override { return m_kwin && m_kwin->running(); }

private:
    std::unique_ptr<ChildProcess> m_kwin;
};

// sway will not run as root: it and its clients run as nobody, with a runtime folder of nobody's own.
class SwaySession final : public Session {
public:
    SwaySession() {
        if (!std::filesystem::exists("/usr/bin/sway")) {
            missing = "sway";
            return;
        }
        ensureX11SocketFolder();
        ::chmod(m_folder.path().c_str(), 0755);
        const std::string runtime = m_folder / "runtime", reports = m_folder / "reports",
                          config = m_folder / "config";
        for (const std::string& folder : {runtime, reports}) {
            ::mkdir(folder.c_str(), 0700);
            if (::chown(folder.c_str(), kNobody, kNobody) != 0)
                failure = "cannot hand a folder to nobody";
        }
        const std::string report = reports + "/displays";
        WriteWhole(config, "xwayland force\nexec " + writeDisplayReporter(report) + "\n");
        swaySocket = runtime + "/sway-ipc.sock";
        clientPrefix = {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
        std::vector<std::string> argv = clientPrefix;
        argv.insert(argv.end(), {"/usr/bin/env", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u",
                                 "DBUS_SESSION_BUS_ADDRESS", "/usr/bin/sway", "-c", config});
        m_sway = std::make_unique<ChildProcess>(
            argv,
            std::map<std::string, std::string>{{"XDG_RUNTIME_DIR", runtime},
                                               {"HOME", runtime},
                                               {"SWAYSOCK", swaySocket},
                                               {"WLR_BACKENDS", "headless"},
                                               {"WLR_RENDERER", "pixman"},
                                               {"WLR_LIBINPUT_NO_DEVICES", "1"}},
            -1, true);
        clientEnvironment["XDG_RUNTIME_DIR"] = runtime;
        if (!readDisplays(report) || !WaitUntil([&] { return std::filesystem::exists(swaySocket); }, 10s))
            failure = "sway did not come up";
    }
    ~SwaySession() override {
        if (m_sway)
            m_sway->terminate();
    }
    bool running() override { return m_sway && m_sway->running(); }

private:
    std::unique_ptr<ChildProcess> m_sway;
};

// A Wayland client (the Qt helper) or an X11 client through XWayland (the xcb helper) of the session.
class Client {
public:
    Client(Session& session, bool wayland) : m_wayland(wayland) {
        std::vector<std::string> argv = session.clientPrefix;
        argv.push_back(TestPath(wayland ? "HALVO_WAYLAND_WINDOW_HELPER" : "HALVO_X11_WINDOW_HELPER"));
        std::map<std::string, std::string> environment = session.clientEnvironment;
        environment["QT_QPA_PLATFORM"] = "wayland";
        environment["DBUS_SESSION_BUS_ADDRESS"] = "disabled:";
        if (wayland)
            environment["DISPLAY"] = "";
        m_process = std::make_unique<ChildProcess>(argv, environment, -1, true);
    }
    std::uint32_t pid() const { return static_cast<std::uint32_t>(m_process->pid()); }
    ChildProcess& process() { return *m_process; }

    void open(const std::string& title) {
        // An X11 program names its process in _NET_WM_PID, which is what KWin goes by.
        m_process->writeLine(m_wayland ? "open " + title
                                       : "open visible 0 net " + std::to_string(pid()) + " " + title);
        const auto answer = m_process->readLine(15s);
        if (!answer || answer->empty() || answer->rfind("error", 0) == 0)
            ADD_FAILURE() << "the client answered " << answer.value_or("nothing") << " to " << title;
        // One window after the other, so each comes on top of (or is focused after) the one before.
        std::this_thread::sleep_for(300ms);
    }

private:
    bool m_wayland;
    std::unique_ptr<ChildProcess> m_process;
};

struct CompositorCase {
    const char* name;
    std::unique_ptr<Session> (*start)();
};

class Compositors : public testing::TestWithParam<CompositorCase> {};

TEST_P(Compositors, ListPickerAndCloseAllSeeExactlyTheTestsWindows) {
    const std::unique_ptr<Session> session = GetParam().start();
    if (!session->missing.empty())
        GTEST_SKIP() << "Debian's " << session->missing << " is not installed (./halvo.sh setup installs it)";
    ASSERT_EQ(session->failure, "");

    // Alpha's first window at the bottom and its second on top: close-all must end Alpha at the top, and
    // the others at the ends of their runs.
    Client alpha(*session, true), bravo(*session, true), xray(*session, false);
    alpha.open("Alpha bottom");
    bravo.open("Bravo");
    xray.open("Xray on XWayland");
    alpha.open("Alpha top");
    ASSERT_FALSE(testing::Test::HasFailure());

    ScopedEnvironment environment;
    environment.set("WAYLAND_DISPLAY", session->clientEnvironment["WAYLAND_DISPLAY"]);
    environment.set("DISPLAY", session->clientEnvironment["DISPLAY"]);
    environment.set("SWAYSOCK", session->swaySocket.empty()
                                    ? std::nullopt
                                    : std::optional<std::string>(session->swaySocket));
    environment.set("XDG_CURRENT_DESKTOP", std::nullopt);
    LinuxPlatform backend;
    ScopedPlatform guard(backend);
    RecordingUi ui;
    ScopedUi uiGuard(ui);

    std::vector<Row> rows;
    WaitUntil([&] { return (rows = rowsOf(CollectTopLevelWindows())).size() >= 4; }, 10s);
    EXPECT_EQ(rows, (std::vector<Row>{{"Alpha top", alpha.pid()},
                                      {"Xray on XWayland", xray.pid()},
                                      {"Bravo", bravo.pid()},
                                      {"Alpha bottom", alpha.pid()}}));
    EXPECT_EQ(backend.windows().listingNotice(), "");

    {
        TFormProcessList picker;
        EXPECT_EQ(pickerRows(picker),
                  (std::vector<Row>{
                      {"Alpha top", alpha.pid()}, {"Xray on XWayland", xray.pid()}, {"Bravo", bravo.pid()}}));
        EXPECT_TRUE(picker.Label_Notice->isHidden());
    }

    if (!session->swaySocket.empty()) {
        // A socket that does not answer leaves the XWayland windows, and says so. As nobody: sway's
        // XWayland lets in only the user it runs for.
        ScopedEnvironment broken("SWAYSOCK", session->swaySocket + ".gone");
        const std::vector<Row> xwaylandOnly{{"Xray on XWayland", xray.pid()}};
        EXPECT_EQ(RunAsNobody([&] {
                      LinuxPlatform asNobody;
                      ScopedPlatform nobodyGuard(asNobody);
                      return rowsOf(CollectTopLevelWindows()) == xwaylandOnly &&
                             asNobody.windows().listingNotice() ==
                                 "sway did not list its windows: only the windows of X11 programs are seen.";
                  }),
                  std::optional<bool>(true));
    }

    CloseAllPrograms();
    EXPECT_TRUE(KilledBySigkill(alpha.process()));
    EXPECT_TRUE(KilledBySigkill(bravo.process()));
    EXPECT_TRUE(KilledBySigkill(xray.process()));
    EXPECT_TRUE(session->running());
    EXPECT_TRUE(ui.popups.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Wayland, Compositors,
    testing::Values(
        CompositorCase{"KWin", [] { return std::unique_ptr<Session>(std::make_unique<KWinSession>()); }},
        CompositorCase{"sway", [] { return std::unique_ptr<Session>(std::make_unique<SwaySession>()); }}),
    [](const testing::TestParamInfo<CompositorCase>& info) { return info.param.name; });

// GNOME Shell lists windows only through the extension: served here by dbusmock with recorded answers.
TEST(GnomeShell, TheExtensionsListOrItsAbsenceIsShownAndClosed) {
    const std::string gnomeNotice =
        "The windows of this desktop cannot be listed: install the \"Window Calls\" "
        "extension of GNOME Shell and switch it on. Until then only the windows of "
        "X11 programs are seen.";
    struct Case {
        const char* name;
        bool served;             // the extension is on
        std::string list;        // its answer, %1 %2 %3 standing for the three programs' ids, %0 for ours
        std::vector<int> listed; // the programs (1 to 3) of the windows listed, topmost first
        std::vector<std::string> titles;
        std::string notice;
        std::vector<int> ended; // the programs close-all ends
    };
    const Case cases[] = {
        {"a list",
         true,
         R"([{"title":"Bottom","pid":%1,"window_type":0,"id":11},
             {"title":"A menu","pid":%2,"window_type":4,"id":12},
             {"title":"Halvo Shutdown","pid":%0,"window_type":0,"id":13},
             {"title":"No process","pid":0,"window_type":0,"id":14},
             {"title":"Top","pid":%2,"window_type":0,"id":15},
             {"pid":%3,"window_type":0,"id":77}])",
         {3, 2, 1},
         {"Older extension", "Top", "Bottom"},
         "1 window is left out: the desktop does not say which program shows it.",
         {3, 2}},
        {"an empty list", true, "[]", {}, {}, "", {}},
        {"no extension", false, "", {}, {}, gnomeNotice, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ChildProcess programs[] = {ChildProcess({"/bin/sleep", "60"}), ChildProcess({"/bin/sleep", "60"}),
                                   ChildProcess({"/bin/sleep", "60"})};
        ChildProcess shell({"/usr/bin/python3", "-m", "dbusmock", "org.gnome.Shell",
                            "/org/gnome/Shell/Extensions/Windows", "org.gnome.Shell.Extensions.Windows"},
                           {}, -1, true);
        ASSERT_TRUE(WaitUntil([] { return nameOwned("org.gnome.Shell"); }, 15s));
        if (c.served) {
            QString list = QString::fromStdString(c.list);
            list.replace("%0", QString::number(::getpid()));
            for (int i = 0; i < 3; ++i)
                list.replace(QString("%%1").arg(i + 1), QString::number(programs[i].pid()));
            const auto addMethod = [](const QString& name, const QString& in, const QString& code) {
                QDBusMessage call =
                    QDBusMessage::createMethodCall("org.gnome.Shell", "/org/gnome/Shell/Extensions/Windows",
                                                   "org.freedesktop.DBus.Mock", "AddMethod");
                call.setArguments({"org.gnome.Shell.Extensions.Windows", name, in, "s", code});
                return QDBusConnection::sessionBus().call(call).type() == QDBusMessage::ReplyMessage;
            };
            ASSERT_TRUE(addMethod(
                "List", "",
                "ret = " + QString::fromUtf8(QJsonDocument(QJsonArray{list}).toJson(QJsonDocument::Compact))
                               .mid(1)
                               .chopped(1)));
            ASSERT_TRUE(addMethod("GetTitle", "u", "ret = 'Older extension' if args[0] == 77 else ''"));
        }

        ScopedEnvironment environment;
        environment.set("WAYLAND_DISPLAY", "wayland-0");
        environment.set("DISPLAY", std::nullopt);
        environment.set("SWAYSOCK", std::nullopt);
        environment.set("XDG_CURRENT_DESKTOP", "GNOME");
        LinuxPlatform backend;
        ScopedPlatform guard(backend);
        RecordingUi ui;
        ScopedUi uiGuard(ui);
        const auto pidOf = [&](int program) {
            return static_cast<std::uint32_t>(programs[program - 1].pid());
        };

        std::vector<Row> expected;
        for (std::size_t i = 0; i < c.listed.size(); ++i)
            expected.emplace_back(c.titles[i], pidOf(c.listed[i]));
        EXPECT_EQ(rowsOf(CollectTopLevelWindows()), expected);
        EXPECT_EQ(backend.windows().listingNotice(), c.notice);
        {
            TFormProcessList picker;
            std::vector<Row> offered(expected.begin(), expected.end() - (expected.empty() ? 0 : 1));
            EXPECT_EQ(pickerRows(picker), offered);
            EXPECT_EQ(picker.Label_Notice->text().toStdString(), c.notice);
            EXPECT_EQ(picker.Label_Notice->isHidden(), c.notice.empty());
        }

        CloseAllPrograms();
        for (int program = 1; program <= 3; ++program) {
            const bool ended = std::find(c.ended.begin(), c.ended.end(), program) != c.ended.end();
            if (ended)
                EXPECT_TRUE(KilledBySigkill(programs[program - 1])) << program;
            else
                EXPECT_FALSE(programs[program - 1].waitExit(100ms)) << program;
        }
        std::vector<std::string> popups;
        for (const auto& popup : ui.popups)
            popups.push_back(popup->messageText);
        EXPECT_EQ(popups, c.notice.empty()
                              ? std::vector<std::string>{}
                              : std::vector<std::string>{"Close all programs could not see every window.\n" +
                                                         c.notice});
        shell.terminate();
        WaitUntil([] { return !nameOwned("org.gnome.Shell"); }, 5s);
    }
}

} // namespace
