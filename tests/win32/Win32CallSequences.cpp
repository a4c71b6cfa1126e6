// The Windows backend's calls, recorded at its layer of Windows calls: every sequence the program makes on
// Windows is written here once. Built and run on every system, and under Wine.

#include "model/ProcessRoutines.h"
#include "model/Profile.h"
#include "model/RunValue.h"
#include "model/Tasks.h"
#include "platform/win32/Win32Activity.h"
#include "platform/win32/Win32Platform.h"
#include "tests/fakes/RecordingUi.h"
#include "tests/fakes/RecordingWin32Api.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <sstream>

using namespace halvo;
using Calls = std::vector<std::string>;

namespace {

struct Backend {
    win32::RecordingWin32Api api;
    Win32Platform backend{api};
    ScopedPlatform guard{backend};
    RecordingUi ui;
    ScopedUi uiGuard{ui};
};

// Taking the shutdown privilege, closing the token afterwards.
const Calls PrivilegeSteps = {"GetCurrentProcess()", "OpenProcessToken(-1, 0x28)",
                              "LookupPrivilegeValueA(\"\", \"SeShutdownPrivilege\")",
                              "AdjustTokenPrivileges(1000, false, {1, {19, 0}, 2}, 16, buffer, length)",
                              "CloseHandle(1000)"};

Calls operator+(Calls first, const Calls& rest) {
    first.insert(first.end(), rest.begin(), rest.end());
    return first;
}

Calls withPrivilege(const Calls& rest) {
    return PrivilegeSteps + rest;
}

const std::string RunKeyOpen =
    "RegCreateKeyExA(0x80000001, \"\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\", "
    "0, null, 0, 0xF003F)";
const std::string RunKeyPath =
    "software\\microsoft\\windows\\currentversion\\run"; // as the recording keeps it
std::string onRunValue(const char* call, int key, const std::string& rest = "") {
    return std::string(call) + "(" + std::to_string(key) + ", \"Halvo Shutdown\"" + rest + ")";
}
const std::string QuotedPath = "\"/opt/halvo/halvo-shutdown\"";

} // namespace

TEST(Win32Calls, EachTaskMakesItsCalls) {
    const std::vector<std::pair<int, Calls>> callsOfCode = {
        {1, withPrivilege({"ExitWindowsEx(5, 0)"})},
        {2, withPrivilege({"ExitWindowsEx(12, 0)"})},
        {9, withPrivilege({"ExitWindowsEx(2, 0)"})},
        {5, withPrivilege({"ExitWindowsEx(0, 0)"})},
        {11, withPrivilege({"GetModuleHandleA(\"USER32.DLL\")", "GetProcAddress(30464, \"LockWorkStation\")",
                            "LockWorkStation()"})},
        {12, Calls{"IsPwrSuspendAllowed()"} + withPrivilege({"SetSuspendState(false, false, false)"})},
        {13, Calls{"IsPwrHibernateAllowed()"} + withPrivilege({"SetSuspendState(true, false, false)"})},
        {4, {"SendMessageTimeoutA(0xFFFF, 0x112, 0xF140, 0, 0x2, 500)"}},
        {6, {}},
    };
    for (const auto& [code, calls] : callsOfCode) {
        Backend b;
        TaskFromCode(code)->Run();
        EXPECT_EQ(b.api.calls, calls) << "task code " << code;
        EXPECT_TRUE(b.api.openHandles.empty()) << code;
        EXPECT_TRUE(b.ui.popups.empty()) << code;
    }
}

TEST(Win32Calls, PrivilegeStepsDoNotCheckOneAnother) {
    Backend b;
    b.api.tokenOpens = false;
    b.api.privilegeLookupSucceeds = false;
    TShutDownTask().Run();
    EXPECT_EQ(b.api.calls, (Calls{"GetCurrentProcess()", "OpenProcessToken(-1, 0x28)",
                                  "LookupPrivilegeValueA(\"\", \"SeShutdownPrivilege\")",
                                  "AdjustTokenPrivileges(0, false, {1, {0, 0}, 2}, 16, buffer, length)",
                                  "ExitWindowsEx(5, 0)"}));
}

TEST(Win32Calls, LockWithoutTheFunctionDoesNothingAndSaysNothing) {
    Backend b;
    b.api.lockWorkStationPresent = false;
    TLockWorkStationTask().Run();
    EXPECT_EQ(b.api.calls.back(), "GetProcAddress(30464, \"LockWorkStation\")");
    b.api.clearCalls();
    b.api.user32Present = false;
    TLockWorkStationTask().Run();
    EXPECT_EQ(b.api.calls.back(), "GetModuleHandleA(\"USER32.DLL\")");
    EXPECT_TRUE(b.ui.popups.empty());
}

TEST(Win32Calls, ARefusalIsAskedForTheSystemsReason) {
    for (int code : {1, 2, 5, 9, 11, 12, 13}) {
        Backend b;
        b.api.exitRefusal = "Access is denied.";
        TaskFromCode(code)->Run();
        EXPECT_EQ(b.api.calls.back(), "LastErrorText()") << code;
        ASSERT_EQ(b.ui.popups.size(), 1u) << code;
        EXPECT_EQ(b.ui.popups[0]->shownTexts.at(0),
                  std::string(KindOfCode(code)->ActionText) + " failed: Access is denied.");
    }
    Backend b;
    b.api.suspendAllowed = false;
    TSleepTask().Run();
    EXPECT_EQ(b.api.calls, Calls{"IsPwrSuspendAllowed()"});
}

TEST(Win32Calls, WindowsAreCollectedVisibleParentlessAndTitled) {
    Backend b;
    b.api.addWindow(1, "Editor", 10);
    b.api.addWindow(2, "hidden", 10, false);
    b.api.addWindow(3, "dialog", 10, true, 1);
    b.api.addWindow(4, "", 11);
    b.api.addWindow(5, std::string(150, 'x'), 12);
    b.api.windows.push_back({6, "gone", false, true, 0, 13});
    const auto list = CollectTopLevelWindows();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].title, "Editor");
    EXPECT_EQ(list[1].title, std::string(100, 'x'));
    EXPECT_EQ(list[1].window, 5u);
    // A hidden window is not asked for its parent or title.
    EXPECT_EQ(
        b.api.calls,
        (Calls{"EnumWindows()", "IsWindow(1)", "IsWindowVisible(1)", "GetParent(1)", "GetWindowTextA(1, 101)",
               "IsWindow(2)", "IsWindowVisible(2)", "IsWindow(3)", "IsWindowVisible(3)", "GetParent(3)",
               "IsWindow(4)", "IsWindowVisible(4)", "GetParent(4)", "GetWindowTextA(4, 101)", "IsWindow(5)",
               "IsWindowVisible(5)", "GetParent(5)", "GetWindowTextA(5, 101)", "IsWindow(6)"}));
}

TEST(Win32Calls, CloseAllAndCloseProgramOpenTerminateAndClose) {
    const Calls collectThree = {"EnumWindows()",          "IsWindow(1)", "IsWindowVisible(1)", "GetParent(1)",
                                "GetWindowTextA(1, 101)", "IsWindow(2)", "IsWindowVisible(2)", "GetParent(2)",
                                "GetWindowTextA(2, 101)", "IsWindow(3)", "IsWindowVisible(3)", "GetParent(3)",
                                "GetWindowTextA(3, 101)"};
    const Calls terminate10 = {"OpenProcess(0x1F0FFF, false, 10)", "TerminateProcess(1000, 0)",
                               "CloseHandle(1000)"};
    {
        Backend b;
        b.api.addProcess(10, {0x1F0FFF});
        b.api.addWindow(1, "A1", 10);
        b.api.addWindow(2, "A2", 10);
        b.api.addWindow(3, "B", 20);
        TCloseAllProgramTask().Run();
        const Calls runEnds = {"GetWindowThreadProcessId(1)", "GetWindowThreadProcessId(2)",
                               "GetWindowThreadProcessId(2)", "GetWindowThreadProcessId(3)"};
        EXPECT_EQ(b.api.calls, collectThree + runEnds + terminate10);
        EXPECT_EQ(b.api.terminatedProcessIds, (std::vector<std::uint32_t>{10}));
        EXPECT_TRUE(b.api.openHandles.empty());
    }
    {
        Backend b;
        b.api.addProcess(10, {0x1F0FFF});
        b.api.addWindow(1, "Other", 20);
        b.api.addWindow(2, "Editor", 10);
        b.api.addWindow(3, "Editor", 30);
        TCloseProgramTask task;
        task.WindowText = "Editor";
        task.ProcessId = 10;
        task.Run();
        const Calls owner = {"GetWindowThreadProcessId(2)"};
        EXPECT_EQ(b.api.calls, collectThree + owner + terminate10);
        // A process that cannot be opened is left as it is.
        b.api.clearCalls();
        b.api.processes.clear();
        task.Run();
        EXPECT_EQ(b.api.calls.back(), "OpenProcess(0x1F0FFF, false, 10)");
        EXPECT_EQ(b.api.terminatedProcessIds.size(), 1u);
    }
}

TEST(Win32Calls, AProgramFileIsTheFirstModulesName) {
    constexpr std::uint32_t QueryAndRead = 0x410;
    Backend b;
    b.api.addProcess(100, {QueryAndRead}, "C:\\Program Files\\Editor\\editor.exe");
    b.api.addProcess(200, {QueryAndRead}); // no module name
    b.api.addProcess(300, {0x1F0FFF}, "C:\\other.exe");
    DesktopWindows& windows = platform().windows();
    EXPECT_EQ(windows.programFile(100), "C:\\Program Files\\Editor\\editor.exe");
    EXPECT_EQ(windows.programFile(200), "");
    EXPECT_EQ(windows.programFile(300), "");
    EXPECT_EQ(b.api.calls, (Calls{"OpenProcess(0x410, false, 100)", "EnumProcessModules(1000, 8)",
                                  "GetModuleFileNameExA(1000, 4194304, 256)", "CloseHandle(1000)",
                                  "OpenProcess(0x410, false, 200)", "EnumProcessModules(1001, 8)",
                                  "CloseHandle(1001)", "OpenProcess(0x410, false, 300)"}));
    EXPECT_TRUE(b.api.openHandles.empty());
}

TEST(Win32Calls, ProgramsAndDocumentsGoToTheShell) {
    Backend b;
    TExecuteTask task;
    task.CommandLine = "  notepad  readme.txt ";
    task.Run();
    task.CommandLine = "\"C:\\Program Files\\App\\app.exe\"";
    task.Run();
    platform().launcher().openDocument("C:\\Halvo\\help.chm", 0x1234);
    EXPECT_EQ(b.api.calls,
              (Calls{"ShellExecuteA(0, null, \"notepad\", \" readme.txt\", null, 1)",
                     "ShellExecuteA(0, null, \"C:\\Program Files\\App\\app.exe\", null, null, 1)",
                     "ShellExecuteA(4660, \"open\", \"C:\\Halvo\\help.chm\", null, null, 1)"}));
    EXPECT_TRUE(b.ui.popups.empty());

    // Refused: the system's reason, asked for at once.
    b.api.clearCalls();
    b.api.launchRefusal = "The system cannot find the file specified.";
    task.CommandLine = "calc";
    task.Run();
    EXPECT_EQ(b.api.calls, (Calls{"ShellExecuteA(0, null, \"calc\", null, null, 1)", "LastErrorText()"}));
    ASSERT_EQ(b.ui.popups.size(), 1u);
    EXPECT_EQ(b.ui.popups[0]->shownTexts,
              Calls{"Run a command line failed: The system cannot find the file specified."});
}

TEST(Win32Calls, TheAutoStartEntryIsTheRunValue) {
    Backend b;
    b.api.executablePath = "/opt/halvo/halvo-shutdown";
    const auto value = [&]() -> std::optional<std::string> {
        auto& values = b.api.registry[RunKeyPath];
        const auto it = values.find("halvo shutdown");
        return it == values.end() ? std::nullopt : std::optional(it->second.data);
    };
    const std::string write = ", 0, 1, \"" + QuotedPath + "\", 28";
    // Missing: written. Present: read (size, then data) and left as it is.
    EXPECT_EQ(EnsureRunValue(), "");
    EXPECT_EQ(EnsureRunValue(), "");
    EXPECT_EQ(value(), QuotedPath + '\0');
    EXPECT_EQ(b.api.calls, (Calls{RunKeyOpen, onRunValue("RegQueryValueExA", 1000),
                                  onRunValue("RegSetValueExA", 1000, write), "RegCloseKey(1000)", RunKeyOpen,
                                  onRunValue("RegQueryValueExA", 1001), onRunValue("RegQueryValueExA", 1001),
                                  "RegCloseKey(1001)"}));
    // Empty counts as missing; another program's path stays, also as REG_EXPAND_SZ.
    b.api.registry[RunKeyPath]["halvo shutdown"] = {win::REG_SZ, std::string(1, '\0')};
    EXPECT_EQ(EnsureRunValue(), "");
    EXPECT_EQ(value(), QuotedPath + '\0');
    b.api.registry[RunKeyPath]["halvo shutdown"] = {win::REG_EXPAND_SZ,
                                                    "\"C:\\other.exe\"" + std::string(1, '\0')};
    EXPECT_EQ(EnsureRunValue(), "");
    EXPECT_EQ(value(), "\"C:\\other.exe\"" + std::string(1, '\0'));
    // Not text: reported and left alone.
    b.api.registry[RunKeyPath]["halvo shutdown"] = {win::REG_DWORD, std::string("\x01\0\0\0", 4)};
    EXPECT_EQ(EnsureRunValue(), "Invalid data type for 'Halvo Shutdown'");
    EXPECT_EQ(value(), std::string("\x01\0\0\0", 4));

    b.api.clearCalls();
    EXPECT_EQ(WriteRunValue(), "");
    DeleteRunValue();
    DeleteRunValue(); // already gone: no fault
    EXPECT_EQ(b.api.calls, (Calls{RunKeyOpen, onRunValue("RegSetValueExA", 1005, write), "RegCloseKey(1005)",
                                  RunKeyOpen, onRunValue("RegDeleteValueA", 1006), "RegCloseKey(1006)",
                                  RunKeyOpen, onRunValue("RegDeleteValueA", 1007), "RegCloseKey(1007)"}));
    EXPECT_FALSE(value());

    b.api.registryWritesSucceed = false;
    EXPECT_EQ(WriteRunValue(), "Failed to set data for 'Halvo Shutdown'");
    EXPECT_EQ(EnsureRunValue(), "Failed to set data for 'Halvo Shutdown'");
    // A key that cannot be opened is passed over without a word.
    b.api.registryKeyOpens = false;
    b.api.clearCalls();
    EXPECT_EQ(EnsureRunValue(), "");
    EXPECT_EQ(WriteRunValue(), "");
    DeleteRunValue();
    EXPECT_EQ(b.api.calls, (Calls{RunKeyOpen, RunKeyOpen, RunKeyOpen}));
    EXPECT_TRUE(b.api.openHandles.empty());
}

TEST(Win32Calls, ProfileKeysGoThroughTheProfileCalls) {
    Backend b;
    const std::string file = "C:\\Halvo\\setting.ini";
    b.api.storedFiles[file] = "[setting]\nSetting_AutoSave=0x1\n";
    EXPECT_EQ(ReadProfileInteger(file, "setting", "Setting_AutoSave"), 1);
    EXPECT_TRUE(WriteProfileKey(file, "schManager", "count", "3"));
    EXPECT_EQ(
        b.api.calls,
        (Calls{"GetPrivateProfileStringA(\"setting\", \"Setting_AutoSave\", \"\", 2048, \"" + file + "\")",
               "WritePrivateProfileStringA(\"schManager\", \"count\", \"3\", \"" + file + "\")"}));
    EXPECT_EQ(b.api.storedFiles[file], "[setting]\nSetting_AutoSave=0x1\n[schManager]\ncount=3\n");
}

namespace {

// One reading of each kind, in words: the value, or why there is none.
std::string readingText(Win32Activity& activity, const std::string& kind) {
    std::ostringstream out;
    const auto failed = [&](const std::string& failure) { out << "failed: " << failure; };
    if (kind == "idle")
        activity.userIdle(
            [&](Reading<std::int64_t> r) { r.value ? void(out << *r.value << " ms") : failed(r.failure); });
    else if (kind == "cpu")
        activity.processorTimes([&](Reading<ProcessorTimes> r) {
            r.value ? void(out << r.value->busy << " of " << r.value->total) : failed(r.failure);
        });
    else if (kind == "net")
        activity.networkBytes([&](Reading<std::vector<InterfaceBytes>> r) {
            if (!r.value)
                return failed(r.failure);
            for (const auto& i : *r.value)
                out << "[" << i.name << " " << i.received << "/" << i.sent << "]";
        });
    else
        activity.powerSource([&](Reading<PowerSource> r) {
            r.value ? void(out << (r.value->onBattery ? "battery " : "mains ") << r.value->percent)
                    : failed(r.failure);
        });
    return out.str();
}

InterfaceRow row(std::uint32_t index, std::uint32_t type, std::string alias, std::uint64_t in,
                 std::uint64_t out, bool filter = false) {
    return {index, type, filter, std::move(alias), in, out};
}

SystemPowerStatus power(std::uint8_t ac, std::uint8_t flag, std::uint8_t percent) {
    return {ac, flag, percent};
}

} // namespace

TEST(Win32Calls, ActivityReadingsAreTheSystemsOrItsReason) {
    using Api = win32::RecordingWin32Api;
    const Calls idleCall = {"GetLastInputInfo()"}, timesCall = {"GetSystemTimes()"},
                tableCalls = {"GetIfTable2()", "FreeMibTable(1000)"}, powerCall = {"GetSystemPowerStatus()"};
    const Calls deniedReason = {"GetLastError()", "FormatMessageW(5)"};
    struct Case {
        const char* what;
        const char* kind;
        std::function<void(Api&)> script;
        Calls calls;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"idle", "idle", [](Api& a) { a.lastInputTick = 1000, a.tickCount = 61000; }, idleCall, "60000 ms"},
        {"idle across the tick count's wrap", "idle",
         [](Api& a) { a.lastInputTick = 0xFFFFFF00u, a.tickCount = 0x100; }, idleCall, "512 ms"},
        {"input stamped after the clock was read", "idle",
         [](Api& a) { a.lastInputTick = 5000, a.tickCount = 4990; }, idleCall, "0 ms"},
        {"no last input", "idle", [](Api& a) { a.lastInputTick.reset(), a.lastError = 5; },
         idleCall + deniedReason, "failed: Access is denied."},
        {"kernel time holds the idle time", "cpu",
         [](Api& a) {
             a.systemTimes = Api::SystemTimes{300, 500, 200};
         },
         timesCall, "400 of 700"},
        {"no processor times", "cpu", [](Api& a) { a.systemTimes.reset(), a.lastError = 5; },
         timesCall + deniedReason, "failed: Access is denied."},
        {"interfaces but loopback and filters, each name once", "net",
         [](Api& a) {
             a.interfaceRows = {
                 row(1, 24, "Loopback Pseudo-Interface 1", 9, 9),
                 row(4, 6, "Ethernet", 100, 20),
                 row(5, 6, "Ethernet-WFP Native MAC Layer LightWeight Filter-0000", 100, 20, true),
                 row(7, 71, "Wi-Fi", 5000000000ull, 3),
                 row(8, 71, "Wi-Fi", 1, 2),
                 row(9, 131, "", 0, 0)};
         },
         tableCalls, "[Ethernet 100/20][Wi-Fi 5000000000/3][Wi-Fi #8 1/2][interface #9 0/0]"},
        {"no interface table",
         "net",
         [](Api& a) { a.ifTableError = 50; },
         {"GetIfTable2()", "FormatMessageW(50)"},
         "failed: System error 50"},
        {"on battery", "power", [](Api& a) { a.powerStatus = power(0, 1, 40); }, powerCall, "battery 40"},
        {"charging", "power", [](Api& a) { a.powerStatus = power(1, 8, 40); }, powerCall, "mains 40"},
        {"no battery", "power", [](Api& a) { a.powerStatus = power(1, 128, 255); }, powerCall,
         "failed: This computer has no battery"},
        {"battery state unknown", "power", [](Api& a) { a.powerStatus = power(1, 255, 255); }, powerCall,
         "failed: The system does not know the battery's state"},
        {"charge unknown", "power", [](Api& a) { a.powerStatus = power(0, 2, 255); }, powerCall,
         "failed: The system does not know the battery's charge"},
        {"power line unknown", "power", [](Api& a) { a.powerStatus = power(255, 2, 30); }, powerCall,
         "failed: The system does not know whether the computer runs on battery"},
        {"no power status", "power", [](Api& a) { a.powerStatus.reset(), a.lastError = 5; },
         powerCall + deniedReason, "failed: Access is denied."},
    };
    for (const auto& c : cases) {
        Api api;
        c.script(api);
        Win32Activity activity(api);
        EXPECT_EQ(readingText(activity, c.kind), c.text) << c.what;
        EXPECT_EQ(api.calls, c.calls) << c.what;
        EXPECT_TRUE(api.openHandles.empty()) << c.what;
    }
}

TEST(Win32Calls, ProgramsRunningAreThisSessionsProcessesByFileName) {
    win32::RecordingWin32Api api;
    api.snapshotProcesses = {{10, "Editor.exe"}, {11, "editor.exe", 0},  {12, "EDITOR.EXE"},
                             {13, "editor"},     {14, "editor.exe.bak"}, {15, "editor.exe", std::nullopt},
                             {16, "notepad.exe"}};
    Win32Activity activity(api);
    using Ids = std::vector<std::uint32_t>;
    EXPECT_EQ(activity.processesRunning("editor"), (Ids{10, 12, 13}));
    EXPECT_EQ(api.calls,
              (Calls{"CreateToolhelp32Snapshot(0x2, 0)", "ProcessIdToSessionId(4242)",
                     "Process32FirstW(1000)", "ProcessIdToSessionId(10)", "Process32NextW(1000)",
                     "ProcessIdToSessionId(11)", "Process32NextW(1000)", "ProcessIdToSessionId(12)",
                     "Process32NextW(1000)", "ProcessIdToSessionId(13)", "Process32NextW(1000)",
                     "Process32NextW(1000)", "ProcessIdToSessionId(15)", "Process32NextW(1000)",
                     "Process32NextW(1000)", "CloseHandle(1000)"}));
    const std::vector<std::pair<std::string, Ids>> found = {{"Editor.EXE", {10, 12}},
                                                            {"C:\\Tools\\editor.exe", {10, 12}},
                                                            {"edit", {}},
                                                            {"NOTEPAD", {16}},
                                                            {"", {}}};
    for (const auto& [name, ids] : found)
        EXPECT_EQ(activity.processesRunning(name), ids) << name;
    EXPECT_TRUE(api.openHandles.empty());

    api.snapshotSucceeds = false;
    api.clearCalls();
    EXPECT_EQ(activity.processesRunning("editor"), Ids{});
    EXPECT_EQ(api.calls, Calls{"CreateToolhelp32Snapshot(0x2, 0)"});
}

TEST(Win32Calls, AWatchedProcessEndsThroughAMessageOnTheWatchingThread) {
    constexpr std::uint32_t Synchronize = 0x101000;
    auto api = std::make_unique<win32::RecordingWin32Api>();
    auto& a = *api;
    a.addProcess(50, {Synchronize});
    a.addProcess(51, {Synchronize});
    a.addProcess(60, {0x1F0FFF});
    a.addProcess(61, {Synchronize});
    a.snapshotProcesses = {{61, "service.exe", 0}};
    auto activity = std::make_unique<Win32Activity>(a);
    std::map<std::uint32_t, int> ended;
    std::string failure;
    const auto watch = [&](std::uint32_t id, std::function<void()> then = {}) {
        return activity->watchProcess(
            id,
            [&, id, then] {
                ++ended[id];
                if (then)
                    then();
            },
            failure);
    };

    ASSERT_TRUE(watch(50));
    EXPECT_EQ(a.calls, (Calls{"CreateMessageWindow()", "OpenProcess(0x101000, false, 50)",
                              "ProcessIdToSessionId(4242)", "ProcessIdToSessionId(50)",
                              "RegisterWaitForSingleObject(1001, 0xFFFFFFFF, 0x8)"}));
    // The pool thread only posts; the call comes when the thread dispatches, once.
    a.clearCalls();
    a.signalWait(1002);
    EXPECT_EQ(ended[50], 0);
    a.dispatchMessages();
    a.signalWait(1002);
    a.dispatchMessages();
    EXPECT_EQ(ended[50], 1);
    EXPECT_EQ(a.calls, (Calls{"PostMessageW(1000, 0x8021, 50, 1)", "UnregisterWaitEx(1002, -1)",
                              "CloseHandle(1001)"}));

    // Stopped with its message on the way, and watched again: the old message ends nothing. The call may
    // watch again.
    ASSERT_TRUE(watch(50));
    a.signalWait(1004);
    activity->stopWatching(50);
    ASSERT_TRUE(watch(50, [&] { EXPECT_TRUE(watch(51)); }));
    a.dispatchMessages();
    EXPECT_EQ(ended[50], 1);
    a.signalWait(1006);
    a.dispatchMessages();
    EXPECT_EQ(ended[50], 2);
    EXPECT_EQ(ended[51], 0);
    ASSERT_EQ(a.waits.size(), 1u);
    // Watched twice: the first watch gives way.
    ASSERT_TRUE(watch(51));
    EXPECT_EQ(a.waits.size(), 1u);

    const std::vector<std::pair<std::uint32_t, std::string>> refused = {
        {77, "There is no process with the id 77"},
        {60, "Access is denied."},
        {61, "The process 61 belongs to another user"}};
    for (const auto& [id, reason] : refused) {
        EXPECT_FALSE(watch(id)) << id;
        EXPECT_EQ(failure, reason);
    }
    a.waitRegisters = false;
    a.clearCalls();
    EXPECT_FALSE(watch(50));
    EXPECT_EQ(failure, "System error 6");
    EXPECT_EQ(a.calls.back(), "CloseHandle(1012)");

    // Ending with a watch still on: unregistered, closed, and the window gone.
    a.clearCalls();
    activity.reset();
    EXPECT_EQ(a.calls, (Calls{"UnregisterWaitEx(1010, -1)", "CloseHandle(1009)", "DestroyWindow(1000)"}));
    EXPECT_TRUE(a.openHandles.empty());
    EXPECT_TRUE(a.waits.empty());

    a.messageWindowCreated = false;
    Win32Activity windowless(a);
    EXPECT_FALSE(windowless.watchProcess(
        50, [] {}, failure));
    EXPECT_EQ(failure, "System error 1400");
}
TEST(Win32Calls, ClockChangesAreHeardOnAHiddenTopLevelWindow) {
    const std::string Class = "\"HalvoShutdownClockWatch\"";
    const Calls Opening = {"GetModuleHandleA(null)", "RegisterClassExA(" + Class + ", 0)",
                           "CreateWindowExA(0x0, " + Class +
                               ", \"Halvo Shutdown clock\", 0x80000000, 0, 0, 0, 0, 0, 0, 0)"};
    const Calls Closing = {"DestroyWindow(1000)", "UnregisterClassA(" + Class + ", 0)"};

    Backend b;
    std::vector<ClockChange> heard;
    b.backend.clock().watchChanges([&](ClockChange change) { heard.push_back(change); });
    EXPECT_EQ(b.api.calls, Opening);
    // Watching again keeps the one window.
    b.backend.clock().watchChanges([&](ClockChange change) { heard.push_back(change); });
    EXPECT_EQ(b.api.calls, Opening);

    using C = ClockChange;
    const std::uint32_t Power = win::WM_POWERBROADCAST, Time = win::WM_TIMECHANGE,
                        Setting = win::WM_SETTINGCHANGE;
    const struct {
        std::uint32_t message;
        std::uintptr_t wParam;
        const char* text; // lParam
        std::vector<ClockChange> heard;
        std::intptr_t result;
        Calls calls;
    } messages[] = {
        {Power, win::PBT_APMSUSPEND, nullptr, {C::Suspending}, 1, {}},
        {Power, win::PBT_APMRESUMEAUTOMATIC, nullptr, {C::Resumed}, 1, {}},
        {Power, win::PBT_APMRESUMESUSPEND, nullptr, {}, 1, {}}, // the same wake, with a user
        {Power, win::PBT_APMSUSPEND, nullptr, {C::Suspending}, 1, {}},
        {Power, win::PBT_APMRESUMESUSPEND, nullptr, {C::Resumed}, 1, {}},
        {Power, win::PBT_APMRESUMEAUTOMATIC, nullptr, {}, 1, {}},
        {Power, 0xA, nullptr, {}, 1, {}}, // the power source changed
        {Time, 0, nullptr, {C::WallClockSet}, 0, {"DefWindowProcA(1000, 0x1E, 0x0)"}},
        {Setting, 0, "intl", {C::TimeZoneChanged}, 0, {"DefWindowProcA(1000, 0x1A, 0x0)"}},
        {Setting, 0, "Intl", {C::TimeZoneChanged}, 0, {"DefWindowProcA(1000, 0x1A, 0x0)"}},
        {Setting, 0x2F, "Environment", {}, 0, {"DefWindowProcA(1000, 0x1A, 0x2F)"}},
        {Setting, 0x2F, nullptr, {}, 0, {"DefWindowProcA(1000, 0x1A, 0x2F)"}},
        {win::WM_ENDSESSION, 0, nullptr, {C::SessionEndCancelled}, 0, {"DefWindowProcA(1000, 0x16, 0x0)"}},
        {win::WM_ENDSESSION, 1, nullptr, {}, 0, {"DefWindowProcA(1000, 0x16, 0x1)"}}, // it ends: Qt quits
        {0x81, 0, nullptr, {}, 0, {"DefWindowProcA(1000, 0x81, 0x0)"}},               // not ours
    };
    for (const auto& m : messages) {
        heard.clear();
        b.api.clearCalls();
        const auto result = b.api.deliver(1000, m.message, m.wParam, reinterpret_cast<std::intptr_t>(m.text));
        EXPECT_EQ(heard, m.heard) << std::hex << m.message << " " << m.wParam;
        EXPECT_EQ(result, m.result) << std::hex << m.message << " " << m.wParam;
        EXPECT_EQ(b.api.calls, m.calls) << std::hex << m.message << " " << m.wParam;
    }

    // Stopped from within its own announcement: the window and its class go, nothing more is heard.
    b.api.clearCalls();
    b.backend.clock().watchChanges([&](ClockChange change) {
        heard.push_back(change);
        b.backend.clock().watchChanges({});
    });
    heard.clear();
    b.api.deliver(1000, Time, 0, 0);
    EXPECT_EQ(heard, std::vector<ClockChange>{C::WallClockSet});
    EXPECT_EQ(b.api.calls, Closing + Calls{"DefWindowProcA(1000, 0x1E, 0x0)"});
    EXPECT_TRUE(b.api.ownWindows.empty());
    EXPECT_TRUE(b.api.openHandles.empty());
}

TEST(Win32Calls, AClockWatchTheSystemRefusesHearsNothingAndLeavesNothing) {
    const std::string Class = "\"HalvoShutdownClockWatch\"";
    for (const bool classRefused : {true, false}) {
        Backend b;
        b.api.classRegisters = !classRefused;
        b.api.windowCreates = false;
        b.backend.clock().watchChanges([](ClockChange) { ADD_FAILURE(); });
        Calls expected = {"GetModuleHandleA(null)", "RegisterClassExA(" + Class + ", 0)"};
        if (!classRefused)
            expected = expected + Calls{"CreateWindowExA(0x0, " + Class +
                                            ", \"Halvo Shutdown clock\", 0x80000000, 0, 0, 0, 0, 0, 0, 0)",
                                        "UnregisterClassA(" + Class + ", 0)"};
        EXPECT_EQ(b.api.calls, expected) << classRefused;
        // Stopping a watch that never began asks nothing of the system.
        b.api.clearCalls();
        b.backend.clock().watchChanges({});
        EXPECT_TRUE(b.api.calls.empty()) << classRefused;
    }
}

TEST(Win32Calls, KeepingAwakeSetsTheExecutionStateOnceAndPutsItBack) {
    Backend b;
    PowerHolds& holds = b.backend.powerHolds();
    holds.holdAwake("lock the computer in 2 h");
    holds.holdAwake("lock the computer in 1 h"); // another reason: the state stays as it is
    holds.releaseAwake();
    holds.releaseAwake();
    EXPECT_EQ(b.api.calls,
              (Calls{"SetThreadExecutionState(0x80000001)", "SetThreadExecutionState(0x80000000)"}));
    EXPECT_EQ(b.api.executionState, win::ES_CONTINUOUS);
}

TEST(Win32Calls, TheWakeAlarmIsOneWaitableTimerThatResumes) {
    Backend b;
    PowerHolds& holds = b.backend.powerHolds();
    std::string failure;
    const std::int64_t now = std::int64_t(b.api.systemFileTime);
    ASSERT_TRUE(holds.setWakeAlarm(3600000, failure)) << failure;
    ASSERT_TRUE(holds.setWakeAlarm(60000, failure)) << failure; // moved: the same timer
    holds.clearWakeAlarm();
    holds.clearWakeAlarm();
    const std::string hour = std::to_string(now + 36000000000LL), minute = std::to_string(now + 600000000LL);
    // Absolute moments in UTC, in 100 ns.
    EXPECT_EQ(b.api.calls, (Calls{"CreateWaitableTimerW(null, false, null)",
                                  "SetWaitableTimer(1000, " + hour + ", 0, true)", "GetLastError()",
                                  "SetWaitableTimer(1000, " + minute + ", 0, true)", "GetLastError()",
                                  "CancelWaitableTimer(1000)", "CloseHandle(1000)"}));
    EXPECT_TRUE(b.api.waitableTimers.empty()) << "a timer was left behind";
    EXPECT_TRUE(b.api.openHandles.empty());
}

TEST(Win32Calls, AWakeAlarmTheSystemCannotHaveSaysWhy) {
    struct Case {
        const char* name;
        bool creates, sets, resumes;
        std::string failure;
    };
    const Case cases[] = {
        {"no timer", false, true, true, "Access is denied."},
        {"not set", true, false, true, "The parameter is incorrect."},
        {"no resume", true, true, false, "System error 50"},
    };
    for (const Case& c : cases) {
        Backend b;
        b.api.timerCreates = c.creates;
        b.api.timerSets = c.sets;
        b.api.resumeSupported = c.resumes;
        std::string failure;
        EXPECT_FALSE(b.backend.powerHolds().setWakeAlarm(60000, failure)) << c.name;
        EXPECT_EQ(failure, c.failure) << c.name;
        b.backend.powerHolds().clearWakeAlarm();
        EXPECT_TRUE(b.api.waitableTimers.empty()) << c.name;
    }
}

TEST(Win32Calls, WakeTimersTurnedOffInThePowerOptionsAreSaid) {
    const std::string read =
        std::string("(\"") + win::GUID_SLEEP_SUBGROUP + "\", \"" + win::GUID_ALLOW_RTC_WAKE + "\")";
    struct Case {
        std::optional<std::uint32_t> ac, dc;
        std::string caveat;
    };
    const std::string off = "\"Allow wake timers\" is turned off in the power options of Windows";
    const std::string rest = ": the computer will not wake for the schedule until it is turned on.";
    const Case cases[] = {
        {1, 1, ""},
        {2, std::nullopt, ""}, // important timers only; a scheme without the setting
        {0, 0, off + rest},
        {0, 1, off + " when plugged in" + rest},
        {1, 0, off + " on battery" + rest},
    };
    for (const Case& c : cases) {
        Backend b;
        b.api.wakeTimersAc = c.ac;
        b.api.wakeTimersDc = c.dc;
        EXPECT_EQ(b.backend.powerHolds().wakeAlarmCaveat(), c.caveat);
        EXPECT_EQ(b.api.calls, (Calls{"PowerReadACValueIndex" + read, "PowerReadDCValueIndex" + read}));
        EXPECT_EQ(b.backend.powerHolds().wakeAlarmProblem(), "");
    }
}
