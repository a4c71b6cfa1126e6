// The shell, the privilege steps, functions looked up at run time, the clock and the executable's place.
// The calls that end the session (ExitWindowsEx, LockWorkStation, the screen-saver broadcast) are never made.

#include "Win32TestSupport.h"

#include "model/DataFolder.h"
#include "model/ProcessRoutines.h"
#include "model/Tasks.h"
#include "tests/fakes/RecordingUi.h"

namespace halvo::test {
namespace {

std::string waitForFile(const std::string& path) {
    std::string content = "<missing>";
    WaitUntil([&] { return (content = ReadFileBytes(path)) != "<missing>"; });
    return content;
}

class Shell : public RealPlatformTest {};

TEST_F(Shell, StartsAProgramWithItsParametersAsTheyWereWritten) {
    TempFolder folder;
    const std::string output = folder.file("arguments.txt");
    const std::string parameters = "args \"" + output + "\" one \"two words\" Äpfel";
    const Handle result =
        real.ShellExecuteA(0, nullptr, HelperPath().c_str(), parameters.c_str(), nullptr, 1);
    EXPECT_GT(result, 32u);
    EXPECT_EQ(waitForFile(output), "one\ntwo words\nÄpfel\n");
}

TEST_F(Shell, TheExecuteTaskSplitsItsCommandLineAtTheFirstBlank) {
    // The helper's own path must hold no blank for this: the task cuts the program name at the first one.
    ASSERT_EQ(HelperPath().find(' '), std::string::npos) << HelperPath();
    const std::string output = "halvo-execute-" + std::to_string(GetCurrentProcessId()) + ".txt";
    DeleteFileW(Widen(output).c_str());
    TExecuteTask task;
    task.CommandLine = "  " + HelperPath() + " args " + output + "  x  \"y z\" ";
    task.Run();
    // Started in our working folder; the blanks after the first stay with the parameters.
    EXPECT_EQ(waitForFile(output), "x\ny z\n");
    DeleteFileW(Widen(output).c_str());
}

TEST_F(Shell, AProgramThatDoesNotExistAnswersAnErrorAtMost32AndTheTaskSaysWhy) {
    TempFolder folder;
    const std::string missing = folder.file("no such program.exe");
    EXPECT_LE(real.ShellExecuteA(0, nullptr, missing.c_str(), nullptr, nullptr, 1), 32u);
    EXPECT_EQ(real.LastErrorText(), SystemErrorText(ERROR_FILE_NOT_FOUND));

    RecordingUi recordingUi;
    ScopedUi uiGuard(recordingUi);
    TExecuteTask task;
    task.CommandLine = "\"" + missing + "\" --now";
    task.Run();
    ASSERT_EQ(recordingUi.popups.size(), 1u);
    EXPECT_EQ(
        recordingUi.popups[0]->shownTexts,
        std::vector<std::string>{"Run a command line failed: " + SystemErrorText(ERROR_FILE_NOT_FOUND)});
}

class SystemCalls : public RealPlatformTest {};

TEST_F(SystemCalls, TheShutdownPrivilegeIsEnabledInOurOwnToken) {
    Luid luid;
    ASSERT_TRUE(real.LookupPrivilegeValueA("", "SeShutdownPrivilege", &luid));
    EXPECT_EQ(luid.lowPart, 19u); // SE_SHUTDOWN_PRIVILEGE
    EXPECT_EQ(luid.highPart, 0);

    backend.enableShutdownPrivilege();

    HANDLE token = nullptr;
    ASSERT_TRUE(::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token));
    std::vector<unsigned char> buffer(4096);
    DWORD length = 0;
    ASSERT_TRUE(GetTokenInformation(token, ::TokenPrivileges, buffer.data(), DWORD(buffer.size()), &length));
    CloseHandle(token);
    const auto* privileges = reinterpret_cast<const TOKEN_PRIVILEGES*>(buffer.data());
    bool enabled = false;
    for (DWORD i = 0; i < privileges->PrivilegeCount; ++i)
        if (privileges->Privileges[i].Luid.LowPart == 19 && privileges->Privileges[i].Luid.HighPart == 0)
            enabled = (privileges->Privileges[i].Attributes & SE_PRIVILEGE_ENABLED) != 0;
    EXPECT_TRUE(enabled);

    // The previous state comes back in the 16-byte layout of one entry.
    Handle own = 0;
    ASSERT_TRUE(real.OpenProcessToken(real.GetCurrentProcess(), 0x28, &own));
    TokenPrivileges request{1, luid, 2};
    TokenPrivileges previous;
    std::uint32_t returned = 0;
    EXPECT_TRUE(real.AdjustTokenPrivileges(own, false, &request, 16, &previous, &returned));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_SUCCESS));
    EXPECT_TRUE(real.CloseHandle(own));
}

TEST_F(SystemCalls, FunctionsAreFoundByNameAndCalledThroughTheAddress) {
    const Handle user32 = real.GetModuleHandleA("USER32.DLL");
    ASSERT_NE(user32, 0u);
    EXPECT_TRUE(real.GetProcAddress(user32, "LockWorkStation")) << "found, and never called here";
    EXPECT_FALSE(real.GetProcAddress(user32, "NoSuchFunctionAnywhere"));
    EXPECT_EQ(real.GetModuleHandleA("NO-SUCH-LIBRARY.DLL"), 0u);

    const ProcAddress processId =
        real.GetProcAddress(real.GetModuleHandleA("KERNEL32.DLL"), "GetCurrentProcessId");
    ASSERT_TRUE(processId);
    EXPECT_EQ(processId(), long(GetCurrentProcessId()));
}

TEST_F(SystemCalls, MessagesReachAnotherProcesssWindowWithTheirValues) {
    HelperProcess helper("windows");
    const HWND window = helper.window("open", "Größe 12");
    ASSERT_TRUE(window);
    std::uintptr_t result = 0;
    EXPECT_NE(real.SendMessageTimeoutA(reinterpret_cast<Handle>(window), WM_GETTEXTLENGTH, 0, 0,
                                       SMTO_ABORTIFHUNG, 5000, &result),
              0);
    EXPECT_EQ(result, 8u);
    // Read through the backend, the title is UTF-8 and cut to the room given, between characters.
    char title[101] = {};
    EXPECT_EQ(real.GetWindowTextA(reinterpret_cast<Handle>(window), title, 101), 10);
    EXPECT_EQ(std::string(title), "Größe 12");
    char small[4] = {};
    EXPECT_EQ(real.GetWindowTextA(reinterpret_cast<Handle>(window), small, 4), 2);
    EXPECT_EQ(std::string(small), "Gr");
    std::uint32_t owner = 0;
    EXPECT_NE(real.GetWindowThreadProcessId(reinterpret_cast<Handle>(window), &owner), 0u);
    EXPECT_EQ(owner, helper.id());
}

TEST_F(SystemCalls, TheClockIsTheLocalWallClockWithMilliseconds) {
    SYSTEMTIME before{};
    ::GetLocalTime(&before);
    const LocalTime now = real.GetLocalTime();
    EXPECT_EQ(now.year, before.wYear);
    EXPECT_EQ(now.month, before.wMonth);
    EXPECT_EQ(now.dayOfWeek, before.wDayOfWeek);
    EXPECT_GE(now.milliseconds, 0);
    EXPECT_LT(now.milliseconds, 1000);
    const int secondsBefore = (before.wHour * 60 + before.wMinute) * 60 + before.wSecond;
    const int seconds = (now.hour * 60 + now.minute) * 60 + now.second;
    EXPECT_TRUE(seconds - secondsBefore == 0 || seconds - secondsBefore == 1 || seconds == 0);
}

TEST_F(SystemCalls, ClockChangesComeFromBroadcastsToAHiddenWindowThroughMessageDispatching) {
    std::vector<ClockChange> heard;
    backend.clock().watchChanges([&](ClockChange change) { heard.push_back(change); });
    const HWND window = ::FindWindowA(Win32Platform::ClockWindowClass, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(::IsWindowVisible(window));
    EXPECT_EQ(::GetParent(window), nullptr);

    // A broadcast reaches top-level windows only; posted messages come through the thread's dispatching,
    // as Qt's event loop does it.
    DWORD_PTR result = 0;
    ::SendMessageTimeoutA(HWND_BROADCAST, WM_TIMECHANGE, 0, 0, SMTO_ABORTIFHUNG, 2000, &result);
    ::PostMessageA(window, WM_POWERBROADCAST, PBT_APMSUSPEND, 0);
    ::PostMessageA(window, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
    ::PostMessageA(window, WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0);
    MSG message{};
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&message);
    // The end of a session that was called off, as Windows sends it to each top-level window.
    ::SendMessageA(window, WM_ENDSESSION, FALSE, 0);
    EXPECT_EQ(heard, (std::vector<ClockChange>{ClockChange::WallClockSet, ClockChange::Suspending,
                                               ClockChange::Resumed, ClockChange::SessionEndCancelled}));

    backend.clock().watchChanges({});
    EXPECT_EQ(::FindWindowA(Win32Platform::ClockWindowClass, nullptr), nullptr);
}

TEST_F(SystemCalls, TheFilesLiveBesideTheExecutableOrInTheUsersApplicationData) {
    const std::string path = real.ExecutablePath();
    const std::string folder = real.ExecutableFolder();
    EXPECT_EQ(path, folder + "win32_tests.exe");
    EXPECT_EQ(folder.back(), '\\');
    EXPECT_EQ(DataFolder(), folder) << "the build folder is writable";

    TempFolder appData;
    wchar_t saved[MAX_PATH * 4] = {};
    const bool hadAppData = GetEnvironmentVariableW(L"APPDATA", saved, DWORD(std::size(saved))) > 0;
    SetEnvironmentVariableW(L"APPDATA", Widen(appData.path().substr(0, appData.path().size() - 1)).c_str());
    EXPECT_EQ(real.UserConfigFolder(), appData.path() + "Halvo Shutdown\\");
    SetEnvironmentVariableW(L"APPDATA", hadAppData ? saved : nullptr);
}

} // namespace
} // namespace halvo::test
