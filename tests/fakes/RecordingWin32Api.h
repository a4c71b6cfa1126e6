#pragma once

// The recording layer of Windows calls, for the Windows backend's tests: every call that matters to the
// program's behaviour is recorded as one line, "Name(arg, arg, ...)", in call order, and answered from a
// script the test sets up. Flags and
// access masks are written in hexadecimal (0x28), handles and ids in decimal, texts in double quotes,
// null pointers as null. The clock, the file operations and the executable's folder answer without
// being recorded; tests look at their effects instead. The files, profile files too, are the in-memory
// ones of MemoryFiles (storedFiles, ...).

#include "platform/win32/Win32Api.h"
#include "tests/fakes/MemoryFiles.h"

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace halvo::win32 {

struct FakeWindow {
    Handle handle = 0;
    std::string title;
    bool exists = true;
    bool visible = true;
    Handle parent = 0;
    std::uint32_t processId = 0;
};

struct FakeProcess {
    std::uint32_t id = 0;
    // Access masks that OpenProcess grants; empty means the process cannot be opened at all.
    std::set<std::uint32_t> grantedAccess;
    std::string moduleFileName; // empty: EnumProcessModules fails
};

struct FakeRegistryValue {
    std::uint32_t type = win::REG_SZ;
    std::string data; // raw bytes; REG_SZ texts include their terminating zero
};

class RecordingWin32Api : public Win32Api, public MemoryFiles {
public:
    // ---- the script ----
    std::vector<FakeWindow> windows; // in z-order, topmost first
    std::map<std::uint32_t, FakeProcess> processes;
    void addProcess(std::uint32_t id, std::set<std::uint32_t> access, std::string moduleFileName = {});
    void addWindow(Handle handle, std::string title, std::uint32_t processId, bool visible = true,
                   Handle parent = 0);

    LocalTime now;
    std::uint64_t tickCount64 = 0; // GetTickCount64's answer

    // Our own windows: whether classes register and windows are made; the made ones by handle, with their
    // class. deliver() hands a message to a window's procedure as the system's dispatching would (not
    // recorded itself), and answers what the procedure answered.
    bool classRegisters = true;
    bool windowCreates = true;
    std::map<Handle, std::string> ownWindows;
    std::intptr_t deliver(Handle window, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);

    std::uint32_t currentProcessId = 4242;
    bool user32Present = true;
    bool lockWorkStationPresent = true;
    // Whether the system offers sleep and hibernation; exitRefusal refuses them and the lock as well.
    bool suspendAllowed = true;
    bool hibernateAllowed = true;
    bool tokenOpens = true;
    bool privilegeLookupSucceeds = true;
    // Set: ExitWindowsEx refuses, and LastErrorText gives this as the system's reason.
    std::string exitRefusal;
    // Set: ShellExecuteA answers 2 (file not found), and LastErrorText gives this unless exitRefusal is set.
    std::string launchRefusal;

    // Registry: key path as created (backslashes, case kept) under HKEY_CURRENT_USER -> values by name.
    std::map<std::string, std::map<std::string, FakeRegistryValue>> registry;
    bool registryKeyOpens = true;
    bool registryWritesSucceed = true;

    // The ANSI code page's conversion; unset answers that there is none.
    std::function<std::optional<std::string>(const std::string&)> ansiToUtf8;

    std::string executablePath = "/opt/halvo/halvo-shutdown";
    std::string executableFolder = "/opt/halvo/";
    std::string userConfigFolder = "/home/user/.config/halvo-shutdown/";

    // ---- what happened ----
    std::vector<std::string> calls;
    std::vector<std::uint32_t> terminatedProcessIds;
    std::set<Handle> openHandles; // handles handed out and not closed yet
    void clearCalls() { calls.clear(); }
    // The recorded calls whose name starts with prefix, in order.
    std::vector<std::string> callsStartingWith(const std::string& prefix) const;

    // ---- Win32Api ----
    Handle GetCurrentProcess() override;
    std::uint32_t GetCurrentProcessId() override;
    bool OpenProcessToken(Handle process, std::uint32_t desiredAccess, Handle* token) override;
    bool LookupPrivilegeValueA(const char* systemName, const char* name, Luid* luid) override;
    bool AdjustTokenPrivileges(Handle token, bool disableAllPrivileges, const TokenPrivileges* newState,
                               std::uint32_t bufferLength, TokenPrivileges* previousState,
                               std::uint32_t* returnLength) override;
    bool CloseHandle(Handle object) override;
    bool ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) override;
    std::string LastErrorText() override;
    std::intptr_t SendMessageTimeoutA(Handle window, std::uint32_t message, std::uintptr_t wParam,
                                      std::intptr_t lParam, std::uint32_t flags, std::uint32_t timeoutMs,
                                      std::uintptr_t* result) override;
    Handle GetModuleHandleA(const char* moduleName) override;
    ProcAddress GetProcAddress(Handle module, const char* procName) override;
    bool SetSuspendState(bool hibernate, bool force, bool wakeupEventsDisabled) override;
    bool IsPwrSuspendAllowed() override;
    bool IsPwrHibernateAllowed() override;
    bool EnumWindows(const EnumWindowsCallback& callback) override;
    bool IsWindow(Handle window) override;
    bool IsWindowVisible(Handle window) override;
    Handle GetParent(Handle window) override;
    int GetWindowTextA(Handle window, char* buffer, int maxCount) override;
    std::uint32_t GetWindowThreadProcessId(Handle window, std::uint32_t* processId) override;
    Handle OpenProcess(std::uint32_t desiredAccess, bool inheritHandle, std::uint32_t processId) override;
    bool TerminateProcess(Handle process, std::uint32_t exitCode) override;
    bool EnumProcessModules(Handle process, Handle* modules, std::uint32_t bytes,
                            std::uint32_t* needed) override;
    std::uint32_t GetModuleFileNameExA(Handle process, Handle module, char* fileName,
                                       std::uint32_t size) override;
    Handle ShellExecuteA(Handle window, const char* operation, const char* file, const char* parameters,
                         const char* directory, int showCommand) override;
    long RegCreateKeyExA(Handle key, const char* subKey, std::uint32_t reserved, const char* className,
                         std::uint32_t options, std::uint32_t desiredAccess, Handle* result,
                         std::uint32_t* disposition) override;
    long RegQueryValueExA(Handle key, const char* valueName, std::uint32_t* type, unsigned char* data,
                          std::uint32_t* dataSize) override;
    long RegSetValueExA(Handle key, const char* valueName, std::uint32_t reserved, std::uint32_t type,
                        const unsigned char* data, std::uint32_t dataSize) override;
    long RegDeleteValueA(Handle key, const char* valueName) override;
    long RegCloseKey(Handle key) override;
    std::uint32_t GetPrivateProfileStringA(const char* section, const char* key, const char* defaultValue,
                                           char* returned, std::uint32_t size, const char* fileName) override;
    bool WritePrivateProfileStringA(const char* section, const char* key, const char* value,
                                    const char* fileName) override;
    std::optional<std::string> AnsiToUtf8(const std::string& bytes) override;
    LocalTime GetLocalTime() override;
    std::uint64_t GetTickCount64() override { return tickCount64; }
    bool RegisterClassExA(const char* className, Handle instance, WindowProcedure procedure) override;
    bool UnregisterClassA(const char* className, Handle instance) override;
    Handle CreateWindowExA(std::uint32_t exStyle, const char* className, const char* windowName,
                           std::uint32_t style, int x, int y, int width, int height, Handle parent,
                           Handle menu, Handle instance) override;
    bool DestroyWindow(Handle window) override;
    std::intptr_t DefWindowProcA(Handle window, std::uint32_t message, std::uintptr_t wParam,
                                 std::intptr_t lParam) override;
    std::string ExecutablePath() override;
    std::string ExecutableFolder() override;
    std::string UserConfigFolder() override;
    bool FileExists(const std::string& path) override;
    bool FolderWritable(const std::string& folder) override;
    bool MakeFolder(const std::string& folder) override;
    bool ReadWholeFile(const std::string& path, std::string& data, std::string& error) override;
    bool WriteWholeFile(const std::string& path, const std::string& data, std::string& error) override;
    bool WriteBackupFile(const std::string& path, const std::string& data, const std::string& original,
                         std::string& error) override;
    bool RenameFile(const std::string& from, const std::string& to, std::string& error) override;
    std::string WriteProblem(const std::string& path) override;

    // ---- Activity
    // The script: nullopt makes the call fail, with lastError as the system's error.
    std::optional<std::uint32_t> lastInputTick = 0;
    std::uint32_t tickCount = 0; // not recorded, as the clock
    struct SystemTimes {
        std::uint64_t idle = 0, kernel = 0, user = 0;
    };
    std::optional<SystemTimes> systemTimes = SystemTimes{};
    std::uint32_t ifTableError = 0; // GetIfTable2's answer; the rows below when 0
    std::vector<InterfaceRow> interfaceRows;
    std::optional<SystemPowerStatus> powerStatus = SystemPowerStatus{};
    struct SnapshotProcess {
        std::uint32_t processId = 0;
        std::string exeFile;
        std::optional<std::uint32_t> sessionId = 1; // nullopt: ProcessIdToSessionId fails
    };
    // The current process, and those of `processes` not listed here, are in session 1.
    std::vector<SnapshotProcess> snapshotProcesses;
    bool snapshotSucceeds = true;
    bool messageWindowCreated = true;
    bool waitRegisters = true;
    std::uint32_t lastError = 0; // GetLastError's answer; OpenProcess sets it as the system does

    // What happened: the waits registered and not unregistered, and the messages posted, not dispatched.
    std::map<Handle, WaitCallback> waits;
    struct PostedMessage {
        Handle window;
        std::uint32_t message;
        std::uintptr_t wParam;
        std::intptr_t lParam;
    };
    std::vector<PostedMessage> postedMessages;
    // Keeping awake and waking: the flags SetThreadExecutionState last set (0 before any), whether waitable
    // timers are made and set, whether the system can resume by them (else ERROR_NOT_SUPPORTED after a set
    // with resume), and the "Allow wake timers" index of the active scheme (nothing: the read fails).
    std::uint32_t executionState = 0;
    bool timerCreates = true;
    bool timerSets = true;
    bool resumeSupported = true;
    std::uint64_t systemFileTime = 133000000000000000ULL;
    std::optional<std::uint32_t> wakeTimersAc = 1, wakeTimersDc = 1;
    // The timers made and not closed, with the due time each was last set to (nothing: not set, or
    // cancelled).
    std::map<Handle, std::optional<std::int64_t>> waitableTimers;

    // The system's pool runs the wait's callback (the object was signalled).
    void signalWait(Handle wait);
    // The thread's message loop dispatches the posted messages to the windows that still exist.
    void dispatchMessages();

    bool GetLastInputInfo(std::uint32_t* lastInputTick) override;
    std::uint32_t GetTickCount() override;
    bool GetSystemTimes(std::uint64_t* idleTime, std::uint64_t* kernelTime, std::uint64_t* userTime) override;
    std::uint32_t GetIfTable2(Handle* table) override;
    std::vector<InterfaceRow> MibIfTableRows(Handle table) override;
    void FreeMibTable(Handle memory) override;
    bool GetSystemPowerStatus(SystemPowerStatus* status) override;
    Handle CreateToolhelp32Snapshot(std::uint32_t flags, std::uint32_t processId) override;
    bool Process32FirstW(Handle snapshot, ProcessEntry* entry) override;
    bool Process32NextW(Handle snapshot, ProcessEntry* entry) override;
    bool ProcessIdToSessionId(std::uint32_t processId, std::uint32_t* sessionId) override;
    int CompareStringOrdinal(const std::string& first, const std::string& second, bool ignoreCase) override;
    bool RegisterWaitForSingleObject(Handle* waitObject, Handle object, WaitCallback callback,
                                     std::uint32_t milliseconds, std::uint32_t flags) override;
    bool UnregisterWaitEx(Handle waitHandle, Handle completionEvent) override;
    Handle CreateMessageWindow(WindowProcedure procedure) override;
    bool PostMessageW(Handle window, std::uint32_t message, std::uintptr_t wParam,
                      std::intptr_t lParam) override;
    std::uint32_t GetLastError() override;
    std::string FormatMessageW(std::uint32_t messageId) override;
    std::uint32_t SetThreadExecutionState(std::uint32_t flags) override;
    Handle CreateWaitableTimerW(bool manualReset, const char* timerName) override;
    bool SetWaitableTimer(Handle timer, std::int64_t dueTime, std::int32_t periodMs, bool resume) override;
    bool CancelWaitableTimer(Handle timer) override;
    std::uint64_t GetSystemTimeAsFileTime() override { return systemFileTime; } // a clock: not recorded
    std::uint32_t PowerReadACValueIndex(const char* subgroupGuid, const char* settingGuid,
                                        std::uint32_t* value) override;
    std::uint32_t PowerReadDCValueIndex(const char* subgroupGuid, const char* settingGuid,
                                        std::uint32_t* value) override;

private:
    void record(std::string line) { calls.push_back(std::move(line)); }
    Handle newHandle();
    const FakeWindow* findWindow(Handle window) const;

    Handle m_nextHandle = 1000;
    std::map<Handle, std::uint32_t> m_processHandles; // handle -> process id
    std::map<Handle, std::string> m_keyHandles;       // handle -> key path
    std::map<Handle, std::size_t> m_snapshots;        // snapshot -> next entry
    std::map<Handle, WindowProcedure> m_messageWindows;
    std::map<std::string, WindowProcedure> m_classes; // registered class name -> its procedure
};

// Formatting used in the recorded lines, for tests that build expected lines.
std::string hex(std::uint64_t value);
std::string quoted(const char* text);

} // namespace halvo::win32
