// The window calls against a real X server (Xvfb on a free display), with helper processes that open
// windows, once without a window manager (the root's children) and once under openbox
// (_NET_CLIENT_LIST_STACKING). Close-all is checked on the helpers with waitpid.

#include "LinuxTestSupport.h"

#include "model/ProcessRoutines.h"
#include "model/Tasks.h"
#include "platform/linux/LinuxPlatform.h"
#include "tests/helpers/TestPaths.h"

#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace halvo;
using namespace halvo::linuxtest;
using halvo::linuxbackend::LinuxPlatform;
using halvo::linuxbackend::X11Windows;

namespace {

// Whether a window manager that keeps the EWMH lists runs on the display (its check window names itself).
bool windowManagerRuns(const std::string& display) {
    xcb_connection_t* c = xcb_connect(display.c_str(), nullptr);
    bool runs = false;
    if (!xcb_connection_has_error(c)) {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        const char* name = "_NET_SUPPORTING_WM_CHECK";
        xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
            c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
        auto windowOf = [&](xcb_window_t w) -> xcb_window_t {
            xcb_get_property_reply_t* r = xcb_get_property_reply(
                c, xcb_get_property(c, 0, w, atom->atom, XCB_ATOM_WINDOW, 0, 1), nullptr);
            xcb_window_t result = 0;
            if (r && xcb_get_property_value_length(r) == 4)
                std::memcpy(&result, xcb_get_property_value(r), 4);
            std::free(r);
            return result;
        };
        if (atom) {
            const xcb_window_t check = windowOf(root);
            runs = check != 0 && windowOf(check) == check;
        }
        std::free(atom);
    }
    xcb_disconnect(c);
    return runs;
}

// A window manager claims the display before it handles requests, and one made meanwhile can be lost: a
// probe window is mapped (again and again) until the manager has shown it.
bool windowManagerManages(const std::string& display) {
    xcb_connection_t* c = xcb_connect(display.c_str(), nullptr);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return false;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_window_t probe = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, probe, screen->root, 0, 0, 10, 10, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
    const bool managed = WaitUntil(
        [&] {
            xcb_map_window(c, probe);
            xcb_flush(c);
            std::this_thread::sleep_for(50ms);
            xcb_get_window_attributes_reply_t* attributes =
                xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, probe), nullptr);
            const bool viewable = attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
            std::free(attributes);
            return viewable;
        },
        10s);
    xcb_destroy_window(c, probe);
    xcb_disconnect(c);
    return managed;
}

// Xvfb on a display it picks itself, optionally with openbox on it, and optionally listening on TCP too, for
// clients that come over the network (whose processes the server does not know).
class XServer {
public:
    explicit XServer(bool withWindowManager, bool listenOnTcp = false) {
        m_xvfb = StartXvfb(
            {listenOnTcp ? "-listen" : "-nolisten", "tcp", "-screen", "0", "640x480x24", "-noreset"},
            display);
        if (display.empty())
            return;
        if (withWindowManager) {
            m_wm = std::make_unique<ChildProcess>(
                std::vector<std::string>{"/usr/bin/openbox", "--sm-disable"},
                std::map<std::string, std::string>{
                    {"DISPLAY", display}, {"HOME", m_home.path()}, {"XDG_CONFIG_HOME", m_home / "config"}},
                -1, true);
            if (!WaitUntil([&] { return windowManagerRuns(display); }, 10s) || !windowManagerManages(display))
                display.clear();
        }
    }

    std::string display; // ":N"; empty when the server did not come up

private:
    TempFolder m_home;
    std::unique_ptr<ChildProcess> m_xvfb;
    std::unique_ptr<ChildProcess> m_wm;
};

class WindowHelper {
public:
    explicit WindowHelper(const std::string& display)
        : m_process({TestPath("HALVO_X11_WINDOW_HELPER")}, {{"DISPLAY", display}}) {}

    pid_t pid() const { return m_process.pid(); }
    ChildProcess& process() { return m_process; }

    // "visible|hidden|popup owner net|wm netWmPid title"; the new window's id, 0 on failure.
    std::uint32_t open(const std::string& request) {
        if (!m_process.writeLine("open " + request))
            return 0;
        const auto answer = m_process.readLine(10s);
        if (!answer || answer->empty() || answer->rfind("error", 0) == 0) {
            ADD_FAILURE() << "helper answered " << answer.value_or("nothing") << " to " << request;
            return 0;
        }
        return static_cast<std::uint32_t>(std::stoul(*answer));
    }

    // WM_CLIENT_MACHINE of the windows opened from now on; "-" for none.
    void setMachine(const std::string& machine) {
        m_process.writeLine("machine " + machine);
        const auto answer = m_process.readLine(10s);
        if (answer != "ok")
            ADD_FAILURE() << "helper answered " << answer.value_or("nothing") << " to machine " << machine;
    }

private:
    ChildProcess m_process;
};

std::vector<std::string> titlesOf(const std::vector<WindowEntry>& list) {
    std::vector<std::string> titles;
    for (const auto& entry : list)
        titles.push_back(entry.title);
    return titles;
}

std::vector<WindowId> handlesOf(const std::vector<WindowEntry>& list) {
    std::vector<WindowId> handles;
    for (const auto& entry : list)
        handles.push_back(entry.window);
    return handles;
}

std::string hostName() {
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    return host;
}

// A process of this machine that only shares its number with a remote client's: it must outlive close-all.
bool survives(ChildProcess& process) {
    return !process.waitExit(300ms) && ::kill(process.pid(), 0) == 0;
}

// Four processes lay out their windows from the bottom up; the test then checks what the backend
// collects and that close-all ends exactly the processes the neighbour rule names.
void checkWindowsAndCloseAll(const std::string& display) {
    WindowHelper a(display), b(display), c(display), d(display);
    const std::string longTitle = std::string(99, 'x') + "\xc3\xa9" + std::string(50, 'y'); // 150 characters
    const std::string longAscii = std::string(60, 'L') + std::string(90, 'M');

    const auto c0 = c.open("visible 0 net 0 " + longTitle);
    const auto c1 = c.open("visible 0 wm 0 Charlie \xc3\xa9");
    const auto b2 = b.open("visible 0 net 0 Bravo 2");
    const auto b1 = b.open("visible 0 net 0 Bravo 1");
    // Alpha claims process 1 in _NET_WM_PID: the server's X-Resource answer must win.
    const auto a1 = a.open("visible 0 net 1 Alpha");
    a.open("hidden 0 net 0 Alpha hidden");
    a.open("visible " + std::to_string(a1) + " net 0 Alpha dialog");
    d.open("visible 0 wm 0 ");
    d.open("hidden 0 net 0 Delta hidden");
    d.open("popup 0 net 0 Delta tooltip");
    const auto b3 = b.open("visible 0 net " + std::to_string(b.pid()) + " " + longAscii);
    ASSERT_FALSE(testing::Test::HasFailure());

    LinuxPlatform backend(display);
    ScopedPlatform guard(backend);
    std::vector<WindowEntry> list;
    WaitUntil([&] { return (list = CollectTopLevelWindows()).size() >= 6; });

    EXPECT_EQ(titlesOf(list),
              (std::vector<std::string>{std::string(60, 'L') + std::string(40, 'M'), "Alpha", "Bravo 1",
                                        "Bravo 2", "Charlie \xc3\xa9", std::string(99, 'x')}));
    EXPECT_EQ(handlesOf(list), (std::vector<WindowId>{b3, a1, b1, b2, c1, c0}));

    std::vector<std::uint32_t> pids;
    for (const auto& entry : list)
        pids.push_back(backend.windows().processOf(entry.window));
    const auto pa = static_cast<std::uint32_t>(a.pid()), pb = static_cast<std::uint32_t>(b.pid()),
               pc = static_cast<std::uint32_t>(c.pid());
    EXPECT_EQ(pids, (std::vector<std::uint32_t>{pb, pa, pb, pb, pc, pc}));

    // Without X-Resource only the windows' own word is left; the helpers' windows say they run here.
    LinuxPlatform withoutResources(display, false);
    EXPECT_EQ(withoutResources.windows().processOf(a1), 1u);
    EXPECT_EQ(withoutResources.windows().processOf(b3), pb);
    EXPECT_EQ(withoutResources.windows().processOf(b1), 0u);

    // B ends a run at Bravo (long), A at Alpha, B again at Bravo 2; C is last and D never listed.
    CloseAllPrograms();
    EXPECT_TRUE(KilledBySigkill(a.process()));
    EXPECT_TRUE(KilledBySigkill(b.process()));
    std::this_thread::sleep_for(100ms);
    EXPECT_TRUE(c.process().running());
    EXPECT_TRUE(d.process().running());
}

} // namespace

TEST(X11Windows, WithoutWindowManagerTheRootsChildrenAreCollectedAndClosed) {
    XServer server(false);
    ASSERT_FALSE(server.display.empty()) << "Xvfb did not start";
    ASSERT_FALSE(windowManagerRuns(server.display));
    checkWindowsAndCloseAll(server.display);
}

TEST(X11Windows, UnderOpenboxTheStackingListIsCollectedAndClosed) {
    XServer server(true);
    ASSERT_FALSE(server.display.empty()) << "Xvfb or openbox did not start";
    checkWindowsAndCloseAll(server.display);
}

TEST(X11Windows, ACloseProgramTaskEndsTheProcessOfItsWindow) {
    XServer server(false);
    ASSERT_FALSE(server.display.empty());
    WindowHelper editor(server.display), other(server.display);
    editor.open("visible 0 net 0 Editor");
    other.open("visible 0 net 0 Other");
    ASSERT_FALSE(testing::Test::HasFailure());
    LinuxPlatform backend(server.display);
    ScopedPlatform guard(backend);

    TCloseProgramTask task;
    task.WindowText = "Editor";
    task.ProcessId = static_cast<std::uint32_t>(other.pid()); // not the process showing "Editor"
    task.Run();
    task.ProcessId = static_cast<std::uint32_t>(editor.pid());
    task.Run();
    EXPECT_TRUE(KilledBySigkill(editor.process()));
    EXPECT_TRUE(other.process().running());
}

TEST(X11Windows, WindowQueriesAnswerFromTheServer) {
    XServer server(false);
    ASSERT_FALSE(server.display.empty());
    WindowHelper helper(server.display);
    const auto owner = helper.open("visible 0 net 0 Owner");
    const auto dialog = helper.open("visible " + std::to_string(owner) + " net 0 Dialog \xe2\x82\xac");
    const auto hidden = helper.open("hidden 0 net 0 Hidden");
    ASSERT_FALSE(testing::Test::HasFailure());

    X11Windows windows(server.display);
    EXPECT_TRUE(windows.Exists(hidden));
    EXPECT_FALSE(windows.Viewable(hidden));
    EXPECT_TRUE(windows.Viewable(dialog));
    EXPECT_EQ(windows.Owner(dialog), owner);
    EXPECT_EQ(windows.Owner(owner), 0u);
    EXPECT_EQ(windows.Title(dialog), "Dialog \xe2\x82\xac");
    // Neither the hidden window nor the owned dialog is a visible top-level window of its own.
    LinuxPlatform backend(server.display);
    ScopedPlatform guard(backend);
    EXPECT_EQ(titlesOf(CollectTopLevelWindows()), std::vector<std::string>{"Owner"});

    helper.process().closeInput();
    ASSERT_TRUE(helper.process().waitExit(5s));
    // The helper's windows went with its connection.
    EXPECT_TRUE(WaitUntil([&] { return !windows.Exists(owner); }));
    EXPECT_FALSE(windows.Viewable(dialog));
    EXPECT_EQ(windows.Title(dialog), "");
    EXPECT_TRUE(CollectTopLevelWindows().empty());
}

// A client over TCP is one the server knows no local process of, as with any remote client. Its
// _NET_WM_PID counts on its own machine, whatever WM_CLIENT_MACHINE says; here that number is a child of
// the test, which close-all must not end.
TEST(X11Windows, AWindowOfARemoteClientHasNoLocalProcess) {
    XServer server(false, true);
    ASSERT_FALSE(server.display.empty());
    ChildProcess bystander({"/bin/sleep", "60"});
    const std::string bystanderPid = std::to_string(bystander.pid());
    WindowHelper bottom(server.display), top(server.display), remote("127.0.0.1" + server.display);
    bottom.open("visible 0 net 0 Local bottom");
    remote.setMachine(hostName() + ".elsewhere.example");
    const auto foreign = remote.open("visible 0 net " + bystanderPid + " Remote elsewhere");
    remote.setMachine(hostName());
    const auto namedHere = remote.open("visible 0 net " + bystanderPid + " Remote named here");
    top.open("visible 0 net 0 Local top");
    ASSERT_FALSE(testing::Test::HasFailure());

    LinuxPlatform backend(server.display);
    ScopedPlatform guard(backend);
    EXPECT_EQ(backend.windows().processOf(foreign), 0u);
    EXPECT_EQ(backend.windows().processOf(namedHere), 0u);

    // Runs: top, the two remote windows, bottom. The top's run ends at a window of another process.
    ASSERT_EQ(CollectTopLevelWindows().size(), 4u);
    CloseAllPrograms();
    EXPECT_TRUE(KilledBySigkill(top.process()));
    EXPECT_TRUE(survives(bystander));
    EXPECT_TRUE(remote.process().running());
    EXPECT_TRUE(bottom.process().running());
}

// Without X-Resource, _NET_WM_PID is taken only from a window that says it runs on this machine.
TEST(X11Windows, WithoutXResourceOnlyAWindowOfThisMachineNamesItsProcess) {
    XServer server(false);
    ASSERT_FALSE(server.display.empty());
    ChildProcess bystander({"/bin/sleep", "60"});
    const std::string bystanderPid = std::to_string(bystander.pid());
    WindowHelper bottom(server.display), top(server.display), claims(server.display);
    bottom.open("visible 0 net " + std::to_string(bottom.pid()) + " Local bottom");
    claims.setMachine(hostName() + ".elsewhere.example");
    const auto foreign = claims.open("visible 0 net " + bystanderPid + " Elsewhere");
    claims.setMachine("-");
    const auto nameless = claims.open("visible 0 net " + bystanderPid + " No machine");
    top.open("visible 0 net " + std::to_string(top.pid()) + " Local top");
    ASSERT_FALSE(testing::Test::HasFailure());

    LinuxPlatform backend(server.display, false);
    ScopedPlatform guard(backend);
    EXPECT_EQ(backend.windows().processOf(foreign), 0u);
    EXPECT_EQ(backend.windows().processOf(nameless), 0u);

    ASSERT_EQ(CollectTopLevelWindows().size(), 4u);
    CloseAllPrograms();
    EXPECT_TRUE(KilledBySigkill(top.process()));
    EXPECT_TRUE(survives(bystander));
    EXPECT_TRUE(claims.process().running());
    EXPECT_TRUE(bottom.process().running());
}

TEST(X11Windows, WithoutADisplayThereAreNoWindowsAndNothingFails) {
    ScopedEnvironment noDisplay("DISPLAY", std::nullopt);
    LinuxPlatform backend;
    ScopedPlatform guard(backend);
    EXPECT_TRUE(CollectTopLevelWindows().empty());
    EXPECT_EQ(backend.windows().processOf(0x200001), 0u);
    CloseAllPrograms();

    // A display that does not exist is the same as none.
    LinuxPlatform unreachable(":4711");
    EXPECT_EQ(unreachable.windows().processOf(0x200001), 0u);
    ScopedPlatform second(unreachable);
    EXPECT_TRUE(CollectTopLevelWindows().empty());
}
