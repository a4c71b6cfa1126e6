#pragma once

// The thin layer of Windows calls the Windows backend speaks: one virtual function per Windows function
// the program calls, taking the same values, so the backend's logic reads like the calls it makes and its
// tests can check them one by one against the recording layer. The real layer (RealWin32Api) calls
// Windows; the tests' recording one (tests/fakes/RecordingWin32Api) builds everywhere, so that logic is
// tested natively too.

#include "platform/Platform.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace halvo {

// HANDLE, HWND, HMODULE, HKEY and FARPROC values; 0 means none.
using Handle = std::uintptr_t;

// LUID
struct Luid {
    std::uint32_t lowPart = 0;
    std::int32_t highPart = 0;
};

// TOKEN_PRIVILEGES with one entry: 4 + 8 + 4 = 16 bytes, as the platform lays it out.
struct TokenPrivileges {
    std::uint32_t privilegeCount = 0;
    Luid luid;
    std::uint32_t attributes = 0;
};
static_assert(sizeof(TokenPrivileges) == 16);

// Values the program passes, with the numbers the platform gives them.
namespace win {
constexpr std::uint32_t TOKEN_ADJUST_PRIVILEGES = 0x20;
constexpr std::uint32_t TOKEN_QUERY = 0x08;
constexpr std::uint32_t SE_PRIVILEGE_ENABLED = 2;
constexpr std::uint32_t EWX_LOGOFF = 0;
constexpr std::uint32_t EWX_SHUTDOWN = 1;
constexpr std::uint32_t EWX_REBOOT = 2;
constexpr std::uint32_t EWX_FORCE = 4;
constexpr std::uint32_t EWX_POWEROFF = 8;
constexpr Handle HWND_BROADCAST = 0xFFFF;
constexpr std::uint32_t WM_SYSCOMMAND = 0x0112;
constexpr std::uintptr_t SC_SCREENSAVE = 0xF140;
constexpr std::uint32_t SMTO_ABORTIFHUNG = 0x0002;
constexpr std::uint32_t PROCESS_ALL_ACCESS_OLD = 0x1F0FFF;
constexpr std::uint32_t PROCESS_QUERY_INFORMATION = 0x400;
constexpr std::uint32_t PROCESS_VM_READ = 0x10;
constexpr int SW_SHOWNORMAL = 1;
constexpr Handle HKEY_CURRENT_USER = 0x80000001;
constexpr std::uint32_t KEY_ALL_ACCESS = 0xF003F;
constexpr std::uint32_t REG_OPTION_NON_VOLATILE = 0;
constexpr std::uint32_t REG_SZ = 1;
constexpr std::uint32_t REG_EXPAND_SZ = 2;
constexpr std::uint32_t REG_DWORD = 4;
constexpr long ERROR_SUCCESS = 0;
constexpr long ERROR_FILE_NOT_FOUND = 2;
constexpr long ERROR_ACCESS_DENIED = 5;
constexpr long ERROR_MORE_DATA = 234;
constexpr std::uint32_t WS_POPUP = 0x80000000;
constexpr std::uint32_t WM_SETTINGCHANGE = 0x001A;
constexpr std::uint32_t WM_ENDSESSION = 0x0016;
constexpr std::uint32_t WM_TIMECHANGE = 0x001E;
constexpr std::uint32_t WM_POWERBROADCAST = 0x0218;
constexpr std::uintptr_t PBT_APMSUSPEND = 0x4;
constexpr std::uintptr_t PBT_APMRESUMESUSPEND = 0x7;
constexpr std::uintptr_t PBT_APMRESUMEAUTOMATIC = 0x12;
} // namespace win

// A function found by GetProcAddress; empty when none was found.
using ProcAddress = std::function<long()>;

// EnumWindows callback: return true to go on.
using EnumWindowsCallback = std::function<bool(Handle window)>;

// ---- Activity: the values its calls take and give.
namespace win {
constexpr std::uint32_t SYNCHRONIZE = 0x00100000;
constexpr std::uint32_t PROCESS_QUERY_LIMITED_INFORMATION = 0x1000;
constexpr std::uint32_t INFINITE = 0xFFFFFFFF;
constexpr std::uint32_t WT_EXECUTEONLYONCE = 0x8;
constexpr std::uint32_t TH32CS_SNAPPROCESS = 0x2;
constexpr std::uint32_t IF_TYPE_SOFTWARE_LOOPBACK = 24;
constexpr std::uint32_t WM_APP = 0x8000;
constexpr int CSTR_EQUAL = 2;
constexpr long ERROR_INVALID_PARAMETER = 87;
constexpr Handle INVALID_HANDLE_VALUE = static_cast<Handle>(-1);
// Keeping awake and waking.
constexpr std::uint32_t ES_CONTINUOUS = 0x80000000;
constexpr std::uint32_t ES_SYSTEM_REQUIRED = 0x00000001;
constexpr long ERROR_NOT_SUPPORTED = 50;
constexpr const char* GUID_SLEEP_SUBGROUP = "{238C9FA8-0AAD-41ED-83F4-97BE242C8F20}";
constexpr const char* GUID_ALLOW_RTC_WAKE = "{BD3B718A-0680-4D9D-8AB2-E1D2B4AC806D}";
} // namespace win

// The parts of one MIB_IF_ROW2 the program reads.
struct InterfaceRow {
    std::uint32_t interfaceIndex = 0;
    std::uint32_t type = 0;
    bool filterInterface = false; // a filter driver's view of another interface, with the same traffic
    std::string alias;            // the name the user knows the interface by ("Ethernet")
    std::uint64_t inOctets = 0;
    std::uint64_t outOctets = 0;
};

// SYSTEM_POWER_STATUS's fields the program reads; 255 stands for unknown in each.
struct SystemPowerStatus {
    std::uint8_t acLineStatus = 255;
    std::uint8_t batteryFlag = 255;
    std::uint8_t batteryLifePercent = 255;
};

// PROCESSENTRY32W's fields the program reads.
struct ProcessEntry {
    std::uint32_t processId = 0;
    std::string exeFile; // the program file's name, UTF-8
};

// RegisterWaitForSingleObject's callback: runs on a thread of the system's pool.
using WaitCallback = std::function<void(bool timedOut)>;
// A window procedure: (window, message, wParam, lParam) -> the message's result.
using WindowProcedure = std::function<std::intptr_t(Handle window, std::uint32_t message,
                                                    std::uintptr_t wParam, std::intptr_t lParam)>;

class Win32Api {
public:
    virtual ~Win32Api() = default;

    // Privilege
    virtual Handle GetCurrentProcess() = 0;
    virtual std::uint32_t GetCurrentProcessId() = 0;
    virtual bool OpenProcessToken(Handle process, std::uint32_t desiredAccess, Handle* token) = 0;
    virtual bool LookupPrivilegeValueA(const char* systemName, const char* name, Luid* luid) = 0;
    virtual bool AdjustTokenPrivileges(Handle token, bool disableAllPrivileges,
                                       const TokenPrivileges* newState, std::uint32_t bufferLength,
                                       TokenPrivileges* previousState, std::uint32_t* returnLength) = 0;
    virtual bool CloseHandle(Handle object) = 0;

    // Session and power
    virtual bool ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) = 0;
    // The system's reason for the last session, power or launch request (ShellExecuteA) it refused, in its
    // own words; empty when none.
    virtual std::string LastErrorText() = 0;
    virtual std::intptr_t SendMessageTimeoutA(Handle window, std::uint32_t message, std::uintptr_t wParam,
                                              std::intptr_t lParam, std::uint32_t flags,
                                              std::uint32_t timeoutMs, std::uintptr_t* result) = 0;
    virtual Handle GetModuleHandleA(const char* moduleName) = 0;
    virtual ProcAddress GetProcAddress(Handle module, const char* procName) = 0;
    // PowrProf's sleep (hibernate false) or hibernation; true when the system took the request.
    virtual bool SetSuspendState(bool hibernate, bool force, bool wakeupEventsDisabled) = 0;
    virtual bool IsPwrSuspendAllowed() = 0;
    virtual bool IsPwrHibernateAllowed() = 0;

    // Windows and processes
    virtual bool EnumWindows(const EnumWindowsCallback& callback) = 0;
    virtual bool IsWindow(Handle window) = 0;
    virtual bool IsWindowVisible(Handle window) = 0;
    virtual Handle GetParent(Handle window) = 0;
    // Copies at most maxCount - 1 bytes of the title (UTF-8) and a terminating zero; returns the length
    // copied.
    virtual int GetWindowTextA(Handle window, char* buffer, int maxCount) = 0;
    virtual std::uint32_t GetWindowThreadProcessId(Handle window, std::uint32_t* processId) = 0;
    virtual Handle OpenProcess(std::uint32_t desiredAccess, bool inheritHandle, std::uint32_t processId) = 0;
    virtual bool TerminateProcess(Handle process, std::uint32_t exitCode) = 0;
    // bytes: room for modules in bytes; needed receives the bytes all modules would take.
    virtual bool EnumProcessModules(Handle process, Handle* modules, std::uint32_t bytes,
                                    std::uint32_t* needed) = 0;
    virtual std::uint32_t GetModuleFileNameExA(Handle process, Handle module, char* fileName,
                                               std::uint32_t size) = 0;

    // Shell. Null pointers stand for the platform's "none".
    virtual Handle ShellExecuteA(Handle window, const char* operation, const char* file,
                                 const char* parameters, const char* directory, int showCommand) = 0;

    // Registry
    virtual long RegCreateKeyExA(Handle key, const char* subKey, std::uint32_t reserved,
                                 const char* className, std::uint32_t options, std::uint32_t desiredAccess,
                                 Handle* result, std::uint32_t* disposition) = 0;
    virtual long RegQueryValueExA(Handle key, const char* valueName, std::uint32_t* type, unsigned char* data,
                                  std::uint32_t* dataSize) = 0;
    virtual long RegSetValueExA(Handle key, const char* valueName, std::uint32_t reserved, std::uint32_t type,
                                const unsigned char* data, std::uint32_t dataSize) = 0;
    virtual long RegDeleteValueA(Handle key, const char* valueName) = 0;
    virtual long RegCloseKey(Handle key) = 0;

    // Profile files
    virtual std::uint32_t GetPrivateProfileStringA(const char* section, const char* key,
                                                   const char* defaultValue, char* returned,
                                                   std::uint32_t size, const char* fileName) = 0;
    virtual bool WritePrivateProfileStringA(const char* section, const char* key, const char* value,
                                            const char* fileName) = 0;

    // Text in the user's ANSI code page as UTF-8; nothing where the platform has no such code page (the
    // caller then reads it as Windows-1252, which most older schedule files were written in).
    virtual std::optional<std::string> AnsiToUtf8(const std::string& bytes) = 0;

    // Clock
    virtual LocalTime GetLocalTime() = 0;
    // Milliseconds since the system started, sleep and hibernation included.
    virtual std::uint64_t GetTickCount64() = 0;

    // Windows of our own. RegisterClassExA registers a class (WNDCLASSEXA with only its name, instance and
    // procedure set) and answers whether the system took it; its windows' messages go to procedure, on the
    // thread that made the window, from that thread's message dispatching.
    virtual bool RegisterClassExA(const char* className, Handle instance, WindowProcedure procedure) = 0;
    virtual bool UnregisterClassA(const char* className, Handle instance) = 0;
    virtual Handle CreateWindowExA(std::uint32_t exStyle, const char* className, const char* windowName,
                                   std::uint32_t style, int x, int y, int width, int height, Handle parent,
                                   Handle menu, Handle instance) = 0;
    virtual bool DestroyWindow(Handle window) = 0;
    virtual std::intptr_t DefWindowProcA(Handle window, std::uint32_t message, std::uintptr_t wParam,
                                         std::intptr_t lParam) = 0;

    // The running executable
    virtual std::string ExecutablePath() = 0;
    virtual std::string ExecutableFolder() = 0; // ends with the path separator
    virtual std::string
    UserConfigFolder() = 0; // the folder for this program's files when the above is read-only

    // Files
    virtual bool FileExists(const std::string& path) = 0;
    virtual bool FolderWritable(const std::string& folder) = 0;
    virtual bool
    MakeFolder(const std::string& folder) = 0; // with its parents; true when it exists afterwards
    // Reads the whole file; on failure returns false and puts the platform's reason into error.
    virtual bool ReadWholeFile(const std::string& path, std::string& data, std::string& error) = 0;
    // Writes a new file beside path and replaces path with it, so path holds either the old or the whole new
    // content, never a part. On failure path is left as it was and error holds the platform's reason.
    virtual bool WriteWholeFile(const std::string& path, const std::string& data, std::string& error) = 0;
    // WriteWholeFile for a copy of original: the copy is never open to more people than original is (its
    // permissions and, where the system allows, its group).
    virtual bool WriteBackupFile(const std::string& path, const std::string& data,
                                 const std::string& original, std::string& error) = 0;
    // Renames from to to, replacing to; on failure error holds the platform's reason.
    virtual bool RenameFile(const std::string& from, const std::string& to, std::string& error) = 0;
    // Why WriteWholeFile(path) would fail now, in the platform's words; empty when it would succeed.
    virtual std::string WriteProblem(const std::string& path) = 0;

    // ---- Activity
    // LASTINPUTINFO's dwTime: the tick count at the session's last keyboard or mouse input.
    virtual bool GetLastInputInfo(std::uint32_t* lastInputTick) = 0;
    virtual std::uint32_t GetTickCount() = 0;
    // The FILETIMEs as counts of 100 ns, summed over all processors; kernel time includes idle time.
    virtual bool GetSystemTimes(std::uint64_t* idleTime, std::uint64_t* kernelTime,
                                std::uint64_t* userTime) = 0;
    // The table of interfaces, freed with FreeMibTable; its rows are read with MibIfTableRows.
    virtual std::uint32_t GetIfTable2(Handle* table) = 0;
    virtual std::vector<InterfaceRow> MibIfTableRows(Handle table) = 0;
    virtual void FreeMibTable(Handle memory) = 0;
    virtual bool GetSystemPowerStatus(SystemPowerStatus* status) = 0;
    // INVALID_HANDLE_VALUE on failure; closed with CloseHandle.
    virtual Handle CreateToolhelp32Snapshot(std::uint32_t flags, std::uint32_t processId) = 0;
    virtual bool Process32FirstW(Handle snapshot, ProcessEntry* entry) = 0;
    virtual bool Process32NextW(Handle snapshot, ProcessEntry* entry) = 0;
    virtual bool ProcessIdToSessionId(std::uint32_t processId, std::uint32_t* sessionId) = 0;
    // CSTR_EQUAL when the two are the same text; with ignoreCase as the file system compares names.
    virtual int CompareStringOrdinal(const std::string& first, const std::string& second,
                                     bool ignoreCase) = 0;
    virtual bool RegisterWaitForSingleObject(Handle* waitObject, Handle object, WaitCallback callback,
                                             std::uint32_t milliseconds, std::uint32_t flags) = 0;
    // completionEvent INVALID_HANDLE_VALUE: returns once a callback that runs has returned.
    virtual bool UnregisterWaitEx(Handle waitHandle, Handle completionEvent) = 0;
    // CreateWindowExW(0, a class of this layer, null, 0, 0, 0, 0, 0, HWND_MESSAGE, ...) on the calling
    // thread: its messages are dispatched by that thread's message loop, those from WM_APP up to procedure.
    virtual Handle CreateMessageWindow(WindowProcedure procedure) = 0;
    virtual bool PostMessageW(Handle window, std::uint32_t message, std::uintptr_t wParam,
                              std::intptr_t lParam) = 0;
    // (DestroyWindow, above, also ends a message window.)
    virtual std::uint32_t GetLastError() = 0;
    // The system's text for an error code, without the line break.
    virtual std::string FormatMessageW(std::uint32_t messageId) = 0;

    // ---- Keeping awake and waking
    // The flags before, 0 on failure.
    virtual std::uint32_t SetThreadExecutionState(std::uint32_t flags) = 0;
    // CreateWaitableTimerW(null security attributes, manualReset, timerName); 0 on failure.
    virtual Handle CreateWaitableTimerW(bool manualReset, const char* timerName) = 0;
    // dueTime: a FILETIME count of 100 ns in UTC (positive), or a relative time (negative); no completion
    // routine.
    virtual bool SetWaitableTimer(Handle timer, std::int64_t dueTime, std::int32_t periodMs, bool resume) = 0;
    virtual bool CancelWaitableTimer(Handle timer) = 0;
    // The FILETIME now, as a count of 100 ns since 1601 in UTC.
    virtual std::uint64_t GetSystemTimeAsFileTime() = 0;
    // A setting's index in the active power scheme (PowerGetActiveScheme), on mains (AC) and on battery
    // (DC); the GUIDs in their braced text form. 0 (ERROR_SUCCESS) or the system's error.
    virtual std::uint32_t PowerReadACValueIndex(const char* subgroupGuid, const char* settingGuid,
                                                std::uint32_t* value) = 0;
    virtual std::uint32_t PowerReadDCValueIndex(const char* subgroupGuid, const char* settingGuid,
                                                std::uint32_t* value) = 0;
};

} // namespace halvo
