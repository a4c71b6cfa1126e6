// Windows opened by real helper processes, collected and closed through the real window and process calls.

#include "Win32TestSupport.h"

#include "model/ProcessRoutines.h"
#include "model/Tasks.h"

#include <algorithm>

namespace halvo::test {
namespace {

using Entries = std::vector<std::pair<std::string, DWORD>>;

// The collected list as (title, process id) pairs.
Entries collected() {
    Entries entries;
    for (const auto& entry : CollectTopLevelWindows()) {
        DWORD processId = 0;
        GetWindowThreadProcessId(reinterpret_cast<HWND>(entry.window), &processId);
        entries.emplace_back(entry.title, processId);
    }
    return entries;
}

// The windows of the other processes of this Wine session, which the tests must not count or close.
bool isOurs(const std::pair<std::string, DWORD>& entry, std::initializer_list<const HelperProcess*> helpers) {
    return std::any_of(helpers.begin(), helpers.end(),
                       [&](const HelperProcess* h) { return h->id() == entry.second; });
}

class WindowsAndProcesses : public RealPlatformTest {};

// The close-all action ends the process of every window on the desktop that the rule names.
class CloseAll : public RealPlatformTest {
protected:
    void SetUp() override {
        if (!RunningUnderWine())
            GTEST_SKIP()
                << "ends the processes of all windows on the desktop: only in a Wine prefix of its own";
    }
};

TEST_F(WindowsAndProcesses, CollectsVisibleParentlessTitledWindowsTopmostFirstWithTheirProcesses) {
    HelperProcess a("windows");
    HelperProcess b("windows");
    ASSERT_TRUE(a.started() && b.started());
    // Created bottom to top: each new window goes on top of the ones before.
    ASSERT_TRUE(a.window("open", "A first"));
    ASSERT_TRUE(a.window("hidden", "A hidden"));
    ASSERT_TRUE(b.window("open", "B window"));
    ASSERT_TRUE(b.window("popup", "B owned popup"));
    ASSERT_TRUE(b.window("open", ""));
    // 150 characters, the first two outside ASCII: listed under its first 100 bytes, cut between characters.
    const std::string longTitle = "Öl Ägypten " + std::string(137, 'x');
    ASSERT_TRUE(a.window("open", longTitle));

    Entries all = collected();
    Entries ours;
    std::copy_if(all.begin(), all.end(), std::back_inserter(ours), [&](const auto& e) {
        return isOurs(e, {&a, &b});
    });
    const Entries expected = {{longTitle.substr(0, 100), a.id()}, {"B window", b.id()}, {"A first", a.id()}};
    EXPECT_EQ(ours, expected);
    if (RunningUnderWine()) {
        EXPECT_EQ(all, ours)
            << "another process of this session shows a window; the close tests would hit it";
    }
}

TEST_F(CloseAll, InTheOrderABAEndsBothProcesses) {
    HelperProcess a("windows");
    HelperProcess b("windows");
    ASSERT_TRUE(a.window("open", "A bottom"));
    ASSERT_TRUE(b.window("open", "B middle"));
    ASSERT_TRUE(a.window("open", "A top"));
    ASSERT_EQ(collected(), (Entries{{"A top", a.id()}, {"B middle", b.id()}, {"A bottom", a.id()}}));

    CloseAllPrograms();

    // A at position 0 and B at position 1 end their runs; the last entry (A again) is not asked twice.
    EXPECT_EQ(a.waitForExit(10000), 0u);
    EXPECT_EQ(b.waitForExit(10000), 0u);
    EXPECT_TRUE(WaitUntil([] { return collected().empty(); }));
}

TEST_F(CloseAll, InTheOrderAABSparesTheProcessOfTheLastWindow) {
    HelperProcess a("windows");
    HelperProcess b("windows");
    ASSERT_TRUE(b.window("open", "B bottom"));
    ASSERT_TRUE(a.window("open", "A second"));
    ASSERT_TRUE(a.window("open", "A first"));
    ASSERT_EQ(collected(), (Entries{{"A first", a.id()}, {"A second", a.id()}, {"B bottom", b.id()}}));

    CloseAllPrograms();

    EXPECT_EQ(a.waitForExit(10000), 0u);
    // B ends the list and no window of it stands before another process's: it stays, and still answers.
    EXPECT_EQ(b.waitForExit(300), DWORD(STILL_ACTIVE));
    EXPECT_EQ(b.command("ping"), "ok 0");
    EXPECT_TRUE(WaitUntil([&] { return collected() == Entries{{"B bottom", b.id()}}; }));
}

TEST_F(CloseAll, ASingleWindowClosesNothing) {
    HelperProcess a("windows");
    ASSERT_TRUE(a.window("open", "A alone"));
    ASSERT_TRUE(a.window("hidden", "A hidden"));
    ASSERT_EQ(collected(), (Entries{{"A alone", a.id()}}));
    CloseAllPrograms();
    EXPECT_EQ(a.waitForExit(300), DWORD(STILL_ACTIVE));
    EXPECT_EQ(a.command("ping"), "ok 0");
}

TEST_F(WindowsAndProcesses, OpenAndTerminateAChild) {
    HelperProcess child("wait");
    ASSERT_TRUE(child.started());

    const Handle process = real.OpenProcess(0x1F0FFF, false, child.id());
    ASSERT_NE(process, 0u);
    EXPECT_TRUE(real.TerminateProcess(process, 0));
    EXPECT_TRUE(real.CloseHandle(process));
    EXPECT_EQ(child.waitForExit(10000), 0u);
}

TEST_F(WindowsAndProcesses, TheCloseProgramTaskEndsTheProcessOnlyWhileItShowsThePickedWindow) {
    HelperProcess editor("windows");
    ASSERT_TRUE(editor.window("open", "Notizen – Editor"));
    TCloseProgramTask task;
    task.ProcessId = editor.id();

    // The id may since name another program: without the picked window nothing is ended.
    task.WindowText = "Notizen – Editor (alt)";
    task.Run();
    EXPECT_EQ(editor.waitForExit(300), DWORD(STILL_ACTIVE));

    task.WindowText = "Notizen – Editor";
    task.Run();
    EXPECT_EQ(editor.waitForExit(10000), 0u);
}

TEST_F(WindowsAndProcesses, AChildsModuleFileNameThroughTheProcessStatusLibrary) {
    // A copy of the helper in a folder whose name is not ASCII: the name must come back as UTF-8.
    TempFolder folder;
    const std::string copy = folder.file("Prüfprogramm Ω.exe");
    ASSERT_TRUE(CopyFileW(Widen(HelperPath()).c_str(), Widen(copy).c_str(), FALSE));
    HelperProcess child("windows", copy);
    // Until its loader has run, a new process has no module list to read.
    ASSERT_EQ(child.command("ping"), "ok 0");

    const Handle process = real.OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, false, child.id());
    ASSERT_NE(process, 0u);
    Handle module = 0;
    std::uint32_t needed = 0;
    ASSERT_TRUE(real.EnumProcessModules(process, &module, sizeof module, &needed));
    EXPECT_GE(needed, sizeof module); // the executable and at least its system libraries
    char name[256] = {};
    const std::uint32_t length = real.GetModuleFileNameExA(process, module, name, sizeof name);
    EXPECT_EQ(std::string(name), copy);
    EXPECT_EQ(length, copy.size());

    // Too little room: cut before the character that does not fit, never inside it.
    const std::size_t omega = copy.find("Ω");
    char small[64] = {};
    const std::uint32_t cut = real.GetModuleFileNameExA(process, module, small, std::uint32_t(omega + 2));
    EXPECT_EQ(std::string(small), copy.substr(0, omega));
    EXPECT_EQ(cut, omega);
    real.CloseHandle(process);

    // No handle: both calls fail instead of answering for some other process.
    EXPECT_FALSE(real.EnumProcessModules(0, &module, sizeof module, &needed));
    EXPECT_EQ(real.GetModuleFileNameExA(0, module, name, sizeof name), 0u);
    EXPECT_TRUE(child.waitForExit(0) == STILL_ACTIVE);
}

} // namespace
} // namespace halvo::test
