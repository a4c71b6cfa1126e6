#pragma once

// The real layer of Windows calls: every function is the Win32 call of the same name with the same
// values. Text is UTF-8 on this side and UTF-16 on the system's, converted at each call that can
// carry non-ASCII text (window titles, paths, command lines, registry strings, profile entries).

#include "Win32Api.h"

#include <map>
#include <memory>
#include <mutex>

namespace halvo {

class RealWin32Api final : public Win32Api {
public:
    RealWin32Api();
    ~RealWin32Api() override;

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
    std::uint64_t GetTickCount64() override;
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
    std::uint64_t GetSystemTimeAsFileTime() override;
    std::uint32_t PowerReadACValueIndex(const char* subgroupGuid, const char* settingGuid,
                                        std::uint32_t* value) override;
    std::uint32_t PowerReadDCValueIndex(const char* subgroupGuid, const char* settingGuid,
                                        std::uint32_t* value) override;

private:
    std::uint32_t readPowerIndex(bool onMains, const char* subgroupGuid, const char* settingGuid,
                                 std::uint32_t* value);
    struct ProcessStatusLibrary;
    // PSAPI.dll with its two functions, loaded at the first call that needs it.
    const ProcessStatusLibrary& processStatus();
    std::unique_ptr<ProcessStatusLibrary> m_processStatus;
    struct PowerLibrary;
    // PowrProf.dll with its functions, loaded at the first call that needs it.
    const PowerLibrary& power();
    std::unique_ptr<PowerLibrary> m_power;
    // The system error of the last session, power or launch request that failed; 0 after success.
    unsigned long m_exitError = 0;
    // The callbacks of registered waits, by wait handle, kept until the wait is unregistered.
    std::mutex m_waitsMutex;
    std::map<Handle, std::unique_ptr<WaitCallback>> m_waitCallbacks;
};

// The platform's text for a Win32 error code, in UTF-8, without the trailing line break.
std::string SystemErrorText(unsigned long errorCode);

} // namespace halvo
