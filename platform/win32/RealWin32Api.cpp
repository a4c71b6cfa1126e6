#include "RealWin32Api.h"

#include "TextConversion.h"
#include "Win32Platform.h"
#include "platform/Translate.h"
#include "platform/Utf8.h"

// The interface's numbers, taken before <windows.h> turns their names into macros, to be checked
// against the system's own below.
namespace halvo::interface_values {
constexpr auto tokenAccess = win::TOKEN_ADJUST_PRIVILEGES | win::TOKEN_QUERY;
constexpr auto privilegeEnabled = win::SE_PRIVILEGE_ENABLED;
constexpr std::uint32_t exitFlags[] = {win::EWX_LOGOFF, win::EWX_SHUTDOWN, win::EWX_REBOOT, win::EWX_FORCE,
                                       win::EWX_POWEROFF};
constexpr auto broadcast = win::HWND_BROADCAST;
constexpr auto sysCommand = win::WM_SYSCOMMAND;
constexpr auto screenSave = win::SC_SCREENSAVE;
constexpr auto abortIfHung = win::SMTO_ABORTIFHUNG;
constexpr auto queryAndRead = win::PROCESS_QUERY_INFORMATION | win::PROCESS_VM_READ;
constexpr auto showNormal = win::SW_SHOWNORMAL;
constexpr auto currentUser = win::HKEY_CURRENT_USER;
constexpr auto allAccess = win::KEY_ALL_ACCESS;
constexpr std::uint32_t valueTypes[] = {win::REG_SZ, win::REG_EXPAND_SZ, win::REG_DWORD};
constexpr std::uint32_t clockMessages[] = {win::WS_POPUP, win::WM_SETTINGCHANGE, win::WM_TIMECHANGE,
                                           win::WM_POWERBROADCAST, win::WM_ENDSESSION};
constexpr std::uintptr_t powerEvents[] = {win::PBT_APMSUSPEND, win::PBT_APMRESUMESUSPEND,
                                          win::PBT_APMRESUMEAUTOMATIC};
constexpr long errors[] = {win::ERROR_SUCCESS, win::ERROR_FILE_NOT_FOUND, win::ERROR_ACCESS_DENIED,
                           win::ERROR_MORE_DATA};
} // namespace halvo::interface_values

// The values the activity calls pass, taken before <windows.h> as those above.
namespace halvo::activity_values {
constexpr auto waitAccess = win::SYNCHRONIZE | win::PROCESS_QUERY_LIMITED_INFORMATION;
constexpr auto infinite = win::INFINITE;
constexpr auto executeOnlyOnce = win::WT_EXECUTEONLYONCE;
constexpr auto snapProcess = win::TH32CS_SNAPPROCESS;
constexpr auto softwareLoopback = win::IF_TYPE_SOFTWARE_LOOPBACK;
constexpr auto app = win::WM_APP;
constexpr auto equal = win::CSTR_EQUAL;
constexpr auto invalidParameter = win::ERROR_INVALID_PARAMETER;
constexpr auto continuous = win::ES_CONTINUOUS;
constexpr auto systemRequired = win::ES_SYSTEM_REQUIRED;
constexpr auto notSupported = win::ERROR_NOT_SUPPORTED;
} // namespace halvo::activity_values

#include <windows.h>

#include <knownfolders.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
// After <windows.h>, whose types they need; iphlpapi.h declares the interface table only after ws2ipdef.h.
#include <winsock2.h>
#include <ws2ipdef.h>

#include <iphlpapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <exception>
#include <map>
#include <mutex>
#include <optional>
#include <vector>

namespace halvo {

static_assert(sizeof(Handle) == sizeof(HANDLE));
static_assert(sizeof(TokenPrivileges) == sizeof(TOKEN_PRIVILEGES));
static_assert(offsetof(TOKEN_PRIVILEGES, Privileges) == offsetof(TokenPrivileges, luid));

namespace iv = interface_values;
static_assert(iv::tokenAccess == (TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY) &&
              iv::privilegeEnabled == SE_PRIVILEGE_ENABLED);
static_assert(iv::exitFlags[0] == EWX_LOGOFF && iv::exitFlags[1] == EWX_SHUTDOWN &&
              iv::exitFlags[2] == EWX_REBOOT && iv::exitFlags[3] == EWX_FORCE &&
              iv::exitFlags[4] == EWX_POWEROFF);
static_assert(iv::broadcast == 0xFFFF && iv::sysCommand == WM_SYSCOMMAND && iv::screenSave == SC_SCREENSAVE &&
              iv::abortIfHung == SMTO_ABORTIFHUNG);
static_assert(iv::queryAndRead == (PROCESS_QUERY_INFORMATION | PROCESS_VM_READ) &&
              iv::showNormal == SW_SHOWNORMAL);
static_assert(iv::currentUser == 0x80000001 && iv::allAccess == KEY_ALL_ACCESS);
static_assert(iv::valueTypes[0] == REG_SZ && iv::valueTypes[1] == REG_EXPAND_SZ &&
              iv::valueTypes[2] == REG_DWORD);
static_assert(iv::errors[0] == ERROR_SUCCESS && iv::errors[1] == ERROR_FILE_NOT_FOUND &&
              iv::errors[2] == ERROR_ACCESS_DENIED && iv::errors[3] == ERROR_MORE_DATA);
static_assert(iv::clockMessages[0] == WS_POPUP && iv::clockMessages[1] == WM_SETTINGCHANGE &&
              iv::clockMessages[2] == WM_TIMECHANGE && iv::clockMessages[3] == WM_POWERBROADCAST &&
              iv::clockMessages[4] == WM_ENDSESSION);
static_assert(iv::powerEvents[0] == PBT_APMSUSPEND && iv::powerEvents[1] == PBT_APMRESUMESUSPEND &&
              iv::powerEvents[2] == PBT_APMRESUMEAUTOMATIC);

namespace {

template <typename T> T as(Handle value) {
    return reinterpret_cast<T>(value);
}

template <typename T> Handle handleOf(T value) {
    return reinterpret_cast<Handle>(value);
}

// The interface carries the predefined registry keys by their 32-bit numbers (0x80000001); a 64-bit
// Windows defines them as those numbers sign-extended.
HKEY registryKey(Handle key) {
    if (key >= 0x80000000u && key <= 0x800000FFu)
        return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(static_cast<DWORD>(key))));
    return as<HKEY>(key);
}

std::optional<std::wstring> wideOrNull(const char* text) {
    if (!text)
        return std::nullopt;
    return win32::Widen(text);
}

const wchar_t* pointerOf(const std::optional<std::wstring>& text) {
    return text ? text->c_str() : nullptr;
}

bool isStringType(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

std::string withTrailingSeparator(std::string folder) {
    if (!folder.empty() && folder.back() != '\\' && folder.back() != '/')
        folder += '\\';
    return folder;
}

DWORD attributesOf(const std::string& path) {
    return GetFileAttributesW(win32::Widen(path).c_str());
}

// Copies text and a terminating zero into buffer of size bytes, cut so that no character is split.
std::uint32_t copyOut(std::string_view text, char* buffer, std::uint32_t size) {
    if (!buffer || size == 0)
        return 0;
    const std::string_view cut = CutUtf8(text, size - 1);
    std::memcpy(buffer, cut.data(), cut.size());
    buffer[cut.size()] = '\0';
    return std::uint32_t(cut.size());
}

// ShellExecute may hand the work to shell extensions, which expect COM on the calling thread.
void ensureComOnThisThread() {
    thread_local const bool initialized = [] {
        const HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        return SUCCEEDED(result) || result == RPC_E_CHANGED_MODE;
    }();
    (void)initialized;
}

using SetSuspendStateFunction = BOOLEAN(WINAPI*)(BOOLEAN, BOOLEAN, BOOLEAN);
using PowerAllowedFunction = BOOLEAN(WINAPI*)();
using PowerGetActiveSchemeFunction = DWORD(WINAPI*)(HKEY, GUID**);
using PowerReadValueIndexFunction = DWORD(WINAPI*)(HKEY, const GUID*, const GUID*, const GUID*, LPDWORD);
using EnumProcessModulesFunction = BOOL(WINAPI*)(HANDLE, HMODULE*, DWORD, LPDWORD);
using GetModuleFileNameExFunction = DWORD(WINAPI*)(HANDLE, HMODULE, LPWSTR, DWORD);

template <typename Function> Function lookUp(HMODULE module, const char* name) {
    // Through void(*)(): GetProcAddress's type says nothing about the function's real signature.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(module, name)));
}

} // namespace

struct RealWin32Api::ProcessStatusLibrary {
    std::once_flag loaded;
    HMODULE module = nullptr;
    EnumProcessModulesFunction enumProcessModules = nullptr;
    // The wide form of GetModuleFileNameExA: a module's path may hold characters outside the code page.
    GetModuleFileNameExFunction getModuleFileNameEx = nullptr;
};

struct RealWin32Api::PowerLibrary {
    std::once_flag loaded;
    HMODULE module = nullptr;
    SetSuspendStateFunction setSuspendState = nullptr;
    PowerAllowedFunction isPwrSuspendAllowed = nullptr;
    PowerAllowedFunction isPwrHibernateAllowed = nullptr;
    PowerGetActiveSchemeFunction powerGetActiveScheme = nullptr;
    PowerReadValueIndexFunction powerReadACValueIndex = nullptr;
    PowerReadValueIndexFunction powerReadDCValueIndex = nullptr;
};

RealWin32Api::RealWin32Api()
    : m_processStatus(std::make_unique<ProcessStatusLibrary>()), m_power(std::make_unique<PowerLibrary>()) {}

RealWin32Api::~RealWin32Api() = default;

const RealWin32Api::ProcessStatusLibrary& RealWin32Api::processStatus() {
    std::call_once(m_processStatus->loaded, [this] {
        // By name at first use: the program starts without it, and when it is missing the two calls
        // simply fail, which leaves the window picker empty instead of stopping the program.
        // From the system folder only: a bare name would also find a PSAPI.dll planted beside the program.
        wchar_t system[MAX_PATH] = {};
        const UINT length = GetSystemDirectoryW(system, MAX_PATH);
        if (length == 0 || length >= MAX_PATH)
            return;
        m_processStatus->module = LoadLibraryW((std::wstring(system, length) + L"\\PSAPI.dll").c_str());
        if (!m_processStatus->module)
            return;
        m_processStatus->enumProcessModules =
            lookUp<EnumProcessModulesFunction>(m_processStatus->module, "EnumProcessModules");
        m_processStatus->getModuleFileNameEx =
            lookUp<GetModuleFileNameExFunction>(m_processStatus->module, "GetModuleFileNameExW");
    });
    return *m_processStatus;
}

const RealWin32Api::PowerLibrary& RealWin32Api::power() {
    std::call_once(m_power->loaded, [this] {
        // From the system folder only, as PSAPI.dll above; missing, sleep and hibernation are not offered.
        wchar_t system[MAX_PATH] = {};
        const UINT length = GetSystemDirectoryW(system, MAX_PATH);
        if (length == 0 || length >= MAX_PATH)
            return;
        m_power->module = LoadLibraryW((std::wstring(system, length) + L"\\PowrProf.dll").c_str());
        if (!m_power->module)
            return;
        m_power->setSuspendState = lookUp<SetSuspendStateFunction>(m_power->module, "SetSuspendState");
        m_power->isPwrSuspendAllowed = lookUp<PowerAllowedFunction>(m_power->module, "IsPwrSuspendAllowed");
        m_power->isPwrHibernateAllowed =
            lookUp<PowerAllowedFunction>(m_power->module, "IsPwrHibernateAllowed");
        m_power->powerGetActiveScheme =
            lookUp<PowerGetActiveSchemeFunction>(m_power->module, "PowerGetActiveScheme");
        m_power->powerReadACValueIndex =
            lookUp<PowerReadValueIndexFunction>(m_power->module, "PowerReadACValueIndex");
        m_power->powerReadDCValueIndex =
            lookUp<PowerReadValueIndexFunction>(m_power->module, "PowerReadDCValueIndex");
    });
    return *m_power;
}

// ---- Privilege ----

Handle RealWin32Api::GetCurrentProcess() {
    return handleOf(::GetCurrentProcess());
}

std::uint32_t RealWin32Api::GetCurrentProcessId() {
    return ::GetCurrentProcessId();
}

bool RealWin32Api::OpenProcessToken(Handle process, std::uint32_t desiredAccess, Handle* token) {
    HANDLE opened = nullptr;
    const BOOL ok = ::OpenProcessToken(as<HANDLE>(process), desiredAccess, &opened);
    if (token)
        *token = ok ? handleOf(opened) : 0;
    return ok;
}

bool RealWin32Api::LookupPrivilegeValueA(const char* systemName, const char* name, Luid* luid) {
    // An empty system name means the local system, as a null one does.
    const char* system = systemName && *systemName ? systemName : nullptr;
    LUID found{};
    const BOOL ok = ::LookupPrivilegeValueA(system, name, &found);
    if (ok && luid)
        *luid = Luid{found.LowPart, found.HighPart};
    return ok;
}

bool RealWin32Api::AdjustTokenPrivileges(Handle token, bool disableAllPrivileges,
                                         const TokenPrivileges* newState, std::uint32_t bufferLength,
                                         TokenPrivileges* previousState, std::uint32_t* returnLength) {
    TOKEN_PRIVILEGES state{};
    if (newState) {
        state.PrivilegeCount = newState->privilegeCount;
        state.Privileges[0].Luid.LowPart = newState->luid.lowPart;
        state.Privileges[0].Luid.HighPart = newState->luid.highPart;
        state.Privileges[0].Attributes = newState->attributes;
    }
    TOKEN_PRIVILEGES previous{};
    DWORD length = 0;
    const BOOL ok =
        ::AdjustTokenPrivileges(as<HANDLE>(token), disableAllPrivileges, newState ? &state : nullptr,
                                previousState ? std::min<DWORD>(bufferLength, sizeof previous) : 0,
                                previousState ? &previous : nullptr, returnLength ? &length : nullptr);
    if (previousState) {
        previousState->privilegeCount = previous.PrivilegeCount;
        previousState->luid = Luid{previous.Privileges[0].Luid.LowPart, previous.Privileges[0].Luid.HighPart};
        previousState->attributes = previous.Privileges[0].Attributes;
    }
    if (returnLength)
        *returnLength = length;
    return ok;
}

bool RealWin32Api::CloseHandle(Handle object) {
    return ::CloseHandle(as<HANDLE>(object));
}

// ---- Session and power ----

bool RealWin32Api::ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) {
    const bool ok = ::ExitWindowsEx(flags, reason);
    // Taken at once: any later call may overwrite the thread's last error.
    m_exitError = ok ? 0 : ::GetLastError();
    return ok;
}

std::string RealWin32Api::LastErrorText() {
    return m_exitError ? SystemErrorText(m_exitError) : std::string();
}

bool RealWin32Api::SetSuspendState(bool hibernate, bool force, bool wakeupEventsDisabled) {
    const PowerLibrary& library = power();
    if (!library.setSuspendState) {
        m_exitError = ERROR_PROC_NOT_FOUND;
        return false;
    }
    const bool ok = library.setSuspendState(hibernate, force, wakeupEventsDisabled);
    m_exitError = ok ? 0 : ::GetLastError();
    return ok;
}

bool RealWin32Api::IsPwrSuspendAllowed() {
    const PowerLibrary& library = power();
    return library.isPwrSuspendAllowed && library.isPwrSuspendAllowed();
}

bool RealWin32Api::IsPwrHibernateAllowed() {
    const PowerLibrary& library = power();
    return library.isPwrHibernateAllowed && library.isPwrHibernateAllowed();
}

std::intptr_t RealWin32Api::SendMessageTimeoutA(Handle window, std::uint32_t message, std::uintptr_t wParam,
                                                std::intptr_t lParam, std::uint32_t flags,
                                                std::uint32_t timeoutMs, std::uintptr_t* result) {
    DWORD_PTR answer = 0;
    const LRESULT sent =
        ::SendMessageTimeoutA(as<HWND>(window), message, wParam, lParam, flags, timeoutMs, &answer);
    if (result)
        *result = answer;
    return sent;
}

Handle RealWin32Api::GetModuleHandleA(const char* moduleName) {
    return handleOf(::GetModuleHandleA(moduleName));
}

ProcAddress RealWin32Api::GetProcAddress(Handle module, const char* procName) {
    const FARPROC function = ::GetProcAddress(as<HMODULE>(module), procName);
    if (!function)
        return {};
    // The functions looked up this way take no arguments and answer a BOOL or an int. A failure is kept
    // for LastErrorText, as LockWorkStation is a session request the system may refuse.
    return [this, function]() -> long {
        const long answer = static_cast<long>(function());
        m_exitError = answer ? 0 : ::GetLastError();
        return answer;
    };
}

// ---- Windows and processes ----

namespace {

struct EnumWindowsContext {
    const EnumWindowsCallback* callback;
    std::exception_ptr failure;
};

BOOL CALLBACK enumWindowsThunk(HWND window, LPARAM parameter) {
    auto* context = reinterpret_cast<EnumWindowsContext*>(parameter);
    // An exception must not unwind through the system's frames: keep it and throw it again afterwards.
    try {
        return (*context->callback)(handleOf(window)) ? TRUE : FALSE;
    } catch (...) {
        context->failure = std::current_exception();
        return FALSE;
    }
}

} // namespace

bool RealWin32Api::EnumWindows(const EnumWindowsCallback& callback) {
    EnumWindowsContext context{&callback, nullptr};
    const BOOL ok = ::EnumWindows(enumWindowsThunk, reinterpret_cast<LPARAM>(&context));
    if (context.failure)
        std::rethrow_exception(context.failure);
    return ok;
}

bool RealWin32Api::IsWindow(Handle window) {
    return ::IsWindow(as<HWND>(window));
}

bool RealWin32Api::IsWindowVisible(Handle window) {
    return ::IsWindowVisible(as<HWND>(window));
}

Handle RealWin32Api::GetParent(Handle window) {
    return handleOf(::GetParent(as<HWND>(window)));
}

int RealWin32Api::GetWindowTextA(Handle window, char* buffer, int maxCount) {
    if (!buffer || maxCount <= 0)
        return 0;
    // maxCount - 1 UTF-8 bytes never hold more than maxCount - 1 UTF-16 units, so this reads enough.
    std::wstring title(std::size_t(maxCount), L'\0');
    int length = ::GetWindowTextW(as<HWND>(window), title.data(), maxCount);
    if (length < 0)
        length = 0;
    // A surrogate pair cut in half by the limit would convert to a replacement character: drop the half.
    if (length > 0 && title[std::size_t(length) - 1] >= 0xD800 && title[std::size_t(length) - 1] <= 0xDBFF)
        --length;
    return int(copyOut(win32::Narrow(std::wstring_view(title.data(), std::size_t(length))), buffer,
                       std::uint32_t(maxCount)));
}

std::uint32_t RealWin32Api::GetWindowThreadProcessId(Handle window, std::uint32_t* processId) {
    DWORD id = 0;
    const DWORD thread = ::GetWindowThreadProcessId(as<HWND>(window), &id);
    if (processId)
        *processId = id;
    return thread;
}

Handle RealWin32Api::OpenProcess(std::uint32_t desiredAccess, bool inheritHandle, std::uint32_t processId) {
    return handleOf(::OpenProcess(desiredAccess, inheritHandle, processId));
}

bool RealWin32Api::TerminateProcess(Handle process, std::uint32_t exitCode) {
    return ::TerminateProcess(as<HANDLE>(process), exitCode);
}

bool RealWin32Api::EnumProcessModules(Handle process, Handle* modules, std::uint32_t bytes,
                                      std::uint32_t* needed) {
    const auto& library = processStatus();
    if (!library.enumProcessModules) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return false;
    }
    DWORD neededBytes = 0;
    const BOOL ok = library.enumProcessModules(as<HANDLE>(process), reinterpret_cast<HMODULE*>(modules),
                                               bytes, &neededBytes);
    if (needed)
        *needed = neededBytes;
    return ok;
}

std::uint32_t RealWin32Api::GetModuleFileNameExA(Handle process, Handle module, char* fileName,
                                                 std::uint32_t size) {
    const auto& library = processStatus();
    if (!library.getModuleFileNameEx) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return 0;
    }
    // The whole name, however long, then cut to the caller's room in UTF-8.
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = library.getModuleFileNameEx(as<HANDLE>(process), as<HMODULE>(module),
                                                         name.data(), DWORD(name.size()));
        if (length == 0)
            return 0;
        if (length < name.size() - 1 || name.size() >= 32768) {
            name.resize(length);
            break;
        }
        name.resize(name.size() * 2);
    }
    return copyOut(win32::Narrow(name), fileName, size);
}

// ---- Shell ----

namespace {

// The system error a ShellExecute answer stands for, so LastErrorText can say it in the system's words;
// 0 for success.
unsigned long shellExecuteError(INT_PTR answer) {
    if (answer > 32)
        return 0;
    switch (answer) {
    case SE_ERR_FNF:
        return ERROR_FILE_NOT_FOUND;
    case SE_ERR_PNF:
        return ERROR_PATH_NOT_FOUND;
    case SE_ERR_ACCESSDENIED:
        return ERROR_ACCESS_DENIED;
    case ERROR_BAD_FORMAT:
        return ERROR_BAD_FORMAT;
    case SE_ERR_SHARE:
        return ERROR_SHARING_VIOLATION;
    case SE_ERR_ASSOCINCOMPLETE:
    case SE_ERR_NOASSOC:
        return ERROR_NO_ASSOCIATION;
    case SE_ERR_DDETIMEOUT:
    case SE_ERR_DDEFAIL:
    case SE_ERR_DDEBUSY:
        return ERROR_DDE_FAIL;
    case SE_ERR_DLLNOTFOUND:
        return ERROR_DLL_NOT_FOUND;
    default: // 0 and SE_ERR_OOM: out of memory or resources
        return ERROR_NOT_ENOUGH_MEMORY;
    }
}

} // namespace

Handle RealWin32Api::ShellExecuteA(Handle window, const char* operation, const char* file,
                                   const char* parameters, const char* directory, int showCommand) {
    ensureComOnThisThread();
    const auto wideOperation = wideOrNull(operation);
    const auto wideFile = wideOrNull(file);
    const auto wideParameters = wideOrNull(parameters);
    const auto wideDirectory = wideOrNull(directory);
    const HINSTANCE answer =
        ::ShellExecuteW(as<HWND>(window), pointerOf(wideOperation), pointerOf(wideFile),
                        pointerOf(wideParameters), pointerOf(wideDirectory), showCommand);
    m_exitError = shellExecuteError(reinterpret_cast<INT_PTR>(answer));
    return handleOf(answer);
}

// ---- Registry ----

long RealWin32Api::RegCreateKeyExA(Handle key, const char* subKey, std::uint32_t reserved,
                                   const char* className, std::uint32_t options, std::uint32_t desiredAccess,
                                   Handle* result, std::uint32_t* disposition) {
    // A path written from the root ("\Software\...") is refused by Wine with error 161 (bad path
    // name); relative to the root key it names the same key everywhere.
    std::string path = subKey ? subKey : "";
    if (!path.empty() && path.front() == '\\')
        path.erase(0, 1);
    const auto wideClass = wideOrNull(className);
    HKEY opened = nullptr;
    DWORD how = 0;
    const LONG status = ::RegCreateKeyExW(registryKey(key), win32::Widen(path).c_str(), reserved,
                                          const_cast<wchar_t*>(pointerOf(wideClass)), options, desiredAccess,
                                          nullptr, &opened, &how);
    if (result)
        *result = status == ERROR_SUCCESS ? handleOf(opened) : 0;
    if (disposition && status == ERROR_SUCCESS)
        *disposition = how;
    return status;
}

long RealWin32Api::RegQueryValueExA(Handle key, const char* valueName, std::uint32_t* type,
                                    unsigned char* data, std::uint32_t* dataSize) {
    if (data && !dataSize)
        return ERROR_INVALID_PARAMETER;
    const HKEY hkey = registryKey(key);
    const auto name = wideOrNull(valueName);
    DWORD valueType = REG_NONE;
    DWORD size = 0;
    LONG status = ::RegQueryValueExW(hkey, pointerOf(name), nullptr, &valueType, nullptr, &size);
    if (status != ERROR_SUCCESS)
        return status;
    if (!isStringType(valueType)) {
        // Numbers and binary data are the same bytes on both sides of the boundary.
        DWORD rawSize = dataSize ? *dataSize : 0;
        status = ::RegQueryValueExW(hkey, pointerOf(name), nullptr, &valueType, data,
                                    dataSize ? &rawSize : nullptr);
        if (type)
            *type = valueType;
        if (dataSize)
            *dataSize = rawSize;
        return status;
    }
    // A string is read whole as UTF-16 and answered in UTF-8, its terminating zero included as stored.
    std::vector<wchar_t> text;
    do {
        text.assign(size / sizeof(wchar_t) + 1, L'\0');
        size = DWORD(text.size() * sizeof(wchar_t));
        status = ::RegQueryValueExW(hkey, pointerOf(name), nullptr, &valueType,
                                    reinterpret_cast<BYTE*>(text.data()), &size);
    } while (status == ERROR_MORE_DATA);
    if (status != ERROR_SUCCESS)
        return status;
    const std::string utf8 = win32::Narrow(std::wstring_view(text.data(), size / sizeof(wchar_t)));
    if (type)
        *type = valueType;
    if (!dataSize)
        return ERROR_SUCCESS;
    const std::uint32_t available = *dataSize;
    *dataSize = std::uint32_t(utf8.size());
    if (!data)
        return ERROR_SUCCESS;
    if (available < utf8.size())
        return ERROR_MORE_DATA;
    std::memcpy(data, utf8.data(), utf8.size());
    return ERROR_SUCCESS;
}

long RealWin32Api::RegSetValueExA(Handle key, const char* valueName, std::uint32_t reserved,
                                  std::uint32_t type, const unsigned char* data, std::uint32_t dataSize) {
    const auto name = wideOrNull(valueName);
    if (!isStringType(type) || !data)
        return ::RegSetValueExW(registryKey(key), pointerOf(name), reserved, type, data, dataSize);
    const std::wstring text = win32::Widen(std::string_view(reinterpret_cast<const char*>(data), dataSize));
    return ::RegSetValueExW(registryKey(key), pointerOf(name), reserved, type,
                            reinterpret_cast<const BYTE*>(text.data()), DWORD(text.size() * sizeof(wchar_t)));
}

long RealWin32Api::RegDeleteValueA(Handle key, const char* valueName) {
    const auto name = wideOrNull(valueName);
    return ::RegDeleteValueW(registryKey(key), pointerOf(name));
}

long RealWin32Api::RegCloseKey(Handle key) {
    return ::RegCloseKey(registryKey(key));
}

// ---- Profile files ----

std::uint32_t RealWin32Api::GetPrivateProfileStringA(const char* section, const char* key,
                                                     const char* defaultValue, char* returned,
                                                     std::uint32_t size, const char* fileName) {
    if (!returned || size == 0)
        return 0;
    const auto wideSection = wideOrNull(section);
    const auto wideKey = wideOrNull(key);
    const auto wideDefault = wideOrNull(defaultValue);
    const auto wideFile = wideOrNull(fileName);
    // size UTF-8 bytes never hold more than size UTF-16 units, so this buffer holds all that can be answered.
    std::vector<wchar_t> buffer(std::max<std::uint32_t>(size, 2), L'\0');
    const DWORD length =
        ::GetPrivateProfileStringW(pointerOf(wideSection), pointerOf(wideKey), pointerOf(wideDefault),
                                   buffer.data(), DWORD(buffer.size()), pointerOf(wideFile));
    const std::string text = win32::Narrow(std::wstring_view(buffer.data(), length));
    if (section && key)
        return copyOut(text, returned, size);
    // A list of names: each ends with a zero and the list with one more.
    if (size < 2) {
        returned[0] = '\0';
        return 0;
    }
    std::string_view list = CutUtf8(text, size - 2);
    std::memcpy(returned, list.data(), list.size());
    returned[list.size()] = '\0';
    returned[list.size() + 1] = '\0';
    return std::uint32_t(list.size());
}

bool RealWin32Api::WritePrivateProfileStringA(const char* section, const char* key, const char* value,
                                              const char* fileName) {
    const auto wideSection = wideOrNull(section);
    const auto wideKey = wideOrNull(key);
    const auto wideValue = wideOrNull(value);
    const auto wideFile = wideOrNull(fileName);
    return ::WritePrivateProfileStringW(pointerOf(wideSection), pointerOf(wideKey), pointerOf(wideValue),
                                        pointerOf(wideFile));
}

// ---- Text ----

// Older schedule files hold names in the code page of the machine that wrote them.
std::optional<std::string> RealWin32Api::AnsiToUtf8(const std::string& bytes) {
    if (bytes.empty())
        return std::string();
    const int units = ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), int(bytes.size()), nullptr, 0);
    if (units <= 0)
        return std::nullopt;
    std::wstring wide(std::size_t(units), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), int(bytes.size()), wide.data(), units);
    return win32::Narrow(wide);
}

// ---- Clock ----

LocalTime RealWin32Api::GetLocalTime() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    LocalTime time;
    time.year = now.wYear;
    time.month = now.wMonth;
    time.dayOfWeek = now.wDayOfWeek;
    time.day = now.wDay;
    time.hour = now.wHour;
    time.minute = now.wMinute;
    time.second = now.wSecond;
    time.milliseconds = now.wMilliseconds;
    return time;
}

std::uint64_t RealWin32Api::GetTickCount64() {
    return ::GetTickCount64();
}

// ---- Windows of our own ----

namespace {

// The procedures of the classes registered through this layer, by class atom. Only the thread that
// makes the windows touches it: a window's messages are dispatched on its own thread.
std::map<ATOM, WindowProcedure>& windowProcedures() {
    static std::map<ATOM, WindowProcedure> procedures;
    return procedures;
}

LRESULT CALLBACK dispatchToProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto atom = static_cast<ATOM>(::GetClassLongPtrA(window, GCW_ATOM));
    const auto found = windowProcedures().find(atom);
    if (found == windowProcedures().end() || !found->second)
        return ::DefWindowProcA(window, message, wParam, lParam);
    // A copy: the procedure may unregister its own class while it runs.
    const WindowProcedure procedure = found->second;
    return procedure(handleOf(window), message, wParam, lParam);
}

} // namespace

bool RealWin32Api::RegisterClassExA(const char* className, Handle instance, WindowProcedure procedure) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = dispatchToProcedure;
    windowClass.hInstance = as<HINSTANCE>(instance);
    windowClass.lpszClassName = className;
    const ATOM atom = ::RegisterClassExA(&windowClass);
    if (atom == 0)
        return false;
    windowProcedures()[atom] = std::move(procedure);
    return true;
}

bool RealWin32Api::UnregisterClassA(const char* className, Handle instance) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    const ATOM atom = static_cast<ATOM>(::GetClassInfoExA(as<HINSTANCE>(instance), className, &windowClass));
    const bool done = ::UnregisterClassA(className, as<HINSTANCE>(instance)) != 0;
    if (done && atom != 0)
        windowProcedures().erase(atom);
    return done;
}

Handle RealWin32Api::CreateWindowExA(std::uint32_t exStyle, const char* className, const char* windowName,
                                     std::uint32_t style, int x, int y, int width, int height, Handle parent,
                                     Handle menu, Handle instance) {
    return handleOf(::CreateWindowExA(exStyle, className, windowName, style, x, y, width, height,
                                      as<HWND>(parent), as<HMENU>(menu), as<HINSTANCE>(instance), nullptr));
}

bool RealWin32Api::DestroyWindow(Handle window) {
    return ::DestroyWindow(as<HWND>(window)) != 0;
}

std::intptr_t RealWin32Api::DefWindowProcA(Handle window, std::uint32_t message, std::uintptr_t wParam,
                                           std::intptr_t lParam) {
    return ::DefWindowProcA(as<HWND>(window), message, wParam, lParam);
}

// ---- The running executable ----

std::string RealWin32Api::ExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length == 0)
            return {};
        if (length < path.size() || path.size() >= 32768) {
            path.resize(length);
            return win32::Narrow(path);
        }
        path.resize(path.size() * 2);
    }
}

std::string RealWin32Api::ExecutableFolder() {
    const std::string path = ExecutablePath();
    const auto separator = path.find_last_of("\\/");
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

std::string RealWin32Api::UserConfigFolder() {
    std::string base;
    std::vector<wchar_t> value(32768, L'\0');
    const DWORD length = ::GetEnvironmentVariableW(L"APPDATA", value.data(), DWORD(value.size()));
    if (length > 0 && length < value.size()) {
        base = win32::Narrow(std::wstring_view(value.data(), length));
    } else {
        // APPDATA unset (a service, a stripped environment): the folder it normally names.
        PWSTR known = nullptr;
        if (SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &known)))
            base = win32::Narrow(known);
        ::CoTaskMemFree(known);
    }
    if (base.empty())
        return {};
    return withTrailingSeparator(base) + "Halvo Shutdown\\";
}

// ---- Files ----

std::string SystemErrorText(unsigned long errorCode) {
    wchar_t* message = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        errorCode, 0, reinterpret_cast<wchar_t*>(&message), 0, nullptr);
    std::string text = length ? win32::Narrow(std::wstring_view(message, length)) : std::string();
    ::LocalFree(message);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    if (text.empty())
        text = FillIn(Translate("Win32", "System error %1"), {std::to_string(errorCode)});
    return text;
}

bool RealWin32Api::FileExists(const std::string& path) {
    const DWORD attributes = attributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool RealWin32Api::FolderWritable(const std::string& folder) {
    // Only a real attempt tells: access rights, read-only media and write protection all answer here.
    const std::string probe = withTrailingSeparator(folder) + "halvo-write-probe-" +
                              std::to_string(::GetCurrentProcessId()) + "-" +
                              std::to_string(::GetTickCount64()) + ".tmp";
    const HANDLE file = ::CreateFileW(win32::Widen(probe).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    ::CloseHandle(file);
    return true;
}

bool RealWin32Api::MakeFolder(const std::string& folder) {
    std::string path = folder;
    std::replace(path.begin(), path.end(), '/', '\\');
    while (path.size() > 1 && path.back() == '\\')
        path.pop_back();
    // Each ancestor in turn; the drive or share at the front refuses to be created, which is fine: only
    // whether the whole path is a folder at the end counts.
    for (std::size_t at = path.find('\\', 1); at != std::string::npos; at = path.find('\\', at + 1))
        ::CreateDirectoryW(win32::Widen(path.substr(0, at)).c_str(), nullptr);
    ::CreateDirectoryW(win32::Widen(path).c_str(), nullptr);
    const DWORD attributes = attributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool RealWin32Api::ReadWholeFile(const std::string& path, std::string& data, std::string& error) {
    // Others may read the file meanwhile, but nobody may change it under us.
    const HANDLE file = ::CreateFileW(win32::Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = SystemErrorText(::GetLastError());
        return false;
    }
    std::string content;
    LARGE_INTEGER fileSize{};
    if (::GetFileSizeEx(file, &fileSize) && fileSize.QuadPart > 0)
        content.reserve(std::size_t(fileSize.QuadPart));
    char chunk[65536];
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(file, chunk, sizeof chunk, &got, nullptr)) {
            error = SystemErrorText(::GetLastError());
            ::CloseHandle(file);
            return false;
        }
        if (got == 0)
            break;
        content.append(chunk, got);
    }
    ::CloseHandle(file);
    data = std::move(content);
    return true;
}

namespace {

// A link or junction is never replaced nor written through: which file it leads to, and whose, is not
// this program's to decide, so the store fails and says why.
constexpr const char* LinkRefusal =
    HALVO_TRANSLATE_NOOP("Win32", "It is a symbolic link or junction, which this program does not replace");

// Writes data to a new file beside path, flushed, then moved over path in one step: path holds the old or
// the whole new content, whatever happens in between. The new file is made by this call alone (never
// opening a file someone placed under its name) and inherits the folder's permissions, as path did.
bool replaceWholeFile(const std::string& path, const std::string& data, std::string& error) {
    const std::wstring target = win32::Widen(path);
    const DWORD targetAttributes = ::GetFileAttributesW(target.c_str());
    if (targetAttributes != INVALID_FILE_ATTRIBUTES && (targetAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        error = Translate("Win32", LinkRefusal);
        return false;
    }
    // A file its owner made read-only stays as it is (Windows refuses the move onto it; Wine does not).
    if (targetAttributes != INVALID_FILE_ATTRIBUTES && (targetAttributes & FILE_ATTRIBUTE_READONLY)) {
        error = SystemErrorText(ERROR_ACCESS_DENIED);
        return false;
    }
    std::wstring temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 16 && file == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = target + L"." + std::to_wstring(::GetCurrentProcessId()) + L"." +
                    std::to_wstring(::GetTickCount64()) + L"." + std::to_wstring(attempt) + L".tmp";
        file = ::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                             nullptr);
        if (file == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS)
            break;
    }
    if (file == INVALID_HANDLE_VALUE) {
        error = SystemErrorText(::GetLastError());
        return false;
    }
    auto fail = [&](DWORD code) {
        error = SystemErrorText(code);
        ::DeleteFileW(temporary.c_str());
        return false;
    };
    std::size_t written = 0;
    while (written < data.size()) {
        const DWORD chunk = DWORD(std::min<std::size_t>(data.size() - written, 1u << 30));
        DWORD done = 0;
        if (!::WriteFile(file, data.data() + written, chunk, &done, nullptr) || done == 0) {
            const DWORD code = ::GetLastError();
            ::CloseHandle(file);
            return fail(code ? code : ERROR_WRITE_FAULT);
        }
        written += done;
    }
    if (!::FlushFileBuffers(file)) {
        const DWORD code = ::GetLastError();
        ::CloseHandle(file);
        return fail(code);
    }
    ::CloseHandle(file);
    if (!::MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return fail(::GetLastError());
    return true;
}

} // namespace

bool RealWin32Api::WriteWholeFile(const std::string& path, const std::string& data, std::string& error) {
    return replaceWholeFile(path, data, error);
}

// The copy lies in the folder of the original and inherits the same folder's permissions, as the original
// did when this program wrote it.
bool RealWin32Api::WriteBackupFile(const std::string& path, const std::string& data, const std::string&,
                                   std::string& error) {
    return replaceWholeFile(path, data, error);
}

bool RealWin32Api::RenameFile(const std::string& from, const std::string& to, std::string& error) {
    if (::MoveFileExW(win32::Widen(from).c_str(), win32::Widen(to).c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    error = SystemErrorText(::GetLastError());
    return false;
}

std::string RealWin32Api::WriteProblem(const std::string& path) {
    const std::wstring wide = win32::Widen(path);
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD code = ::GetLastError();
        if (code != ERROR_FILE_NOT_FOUND)
            return SystemErrorText(code);
        const auto separator = path.find_last_of("\\/");
        return FolderWritable(separator == std::string::npos ? std::string(".") : path.substr(0, separator))
                   ? std::string()
                   : SystemErrorText(ERROR_ACCESS_DENIED);
    }
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return Translate("Win32", LinkRefusal);
    if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))
        return SystemErrorText(ERROR_ACCESS_DENIED);
    // Opened for writing as the replacement will need it, sharing everything so no other program notices.
    const HANDLE file = ::CreateFileW(wide.c_str(), GENERIC_WRITE | DELETE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return SystemErrorText(::GetLastError());
    ::CloseHandle(file);
    return {};
}

// ---- Activity ----

namespace av = activity_values;
static_assert(av::waitAccess == (SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION) &&
              av::infinite == INFINITE && av::executeOnlyOnce == WT_EXECUTEONLYONCE &&
              av::snapProcess == TH32CS_SNAPPROCESS);
static_assert(av::softwareLoopback == IF_TYPE_SOFTWARE_LOOPBACK && av::app == WM_APP &&
              av::equal == CSTR_EQUAL && av::invalidParameter == ERROR_INVALID_PARAMETER);

namespace {

std::uint64_t countOf(const FILETIME& time) {
    return (std::uint64_t(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

constexpr wchar_t MessageWindowClass[] = L"HalvoActivityWindow";

// The window keeps its procedure from creation (WM_NCCREATE) to its end (WM_NCDESTROY).
LRESULT CALLBACK messageWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* procedure = reinterpret_cast<WindowProcedure*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        delete procedure;
    } else if (procedure && message >= WM_APP) {
        return (*procedure)(handleOf(window), message, wParam, lParam);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

VOID CALLBACK waitCallback(PVOID context, BOOLEAN timedOut) {
    (*static_cast<WaitCallback*>(context))(timedOut != FALSE);
}

} // namespace

bool RealWin32Api::GetLastInputInfo(std::uint32_t* lastInputTick) {
    LASTINPUTINFO info{};
    info.cbSize = sizeof info;
    if (!::GetLastInputInfo(&info))
        return false;
    *lastInputTick = info.dwTime;
    return true;
}

std::uint32_t RealWin32Api::GetTickCount() {
    return ::GetTickCount();
}

bool RealWin32Api::GetSystemTimes(std::uint64_t* idleTime, std::uint64_t* kernelTime,
                                  std::uint64_t* userTime) {
    FILETIME idle{}, kernel{}, user{};
    if (!::GetSystemTimes(&idle, &kernel, &user))
        return false;
    *idleTime = countOf(idle);
    *kernelTime = countOf(kernel);
    *userTime = countOf(user);
    return true;
}

std::uint32_t RealWin32Api::GetIfTable2(Handle* table) {
    PMIB_IF_TABLE2 memory = nullptr;
    const DWORD result = ::GetIfTable2(&memory);
    *table = handleOf(memory);
    return result;
}

std::vector<InterfaceRow> RealWin32Api::MibIfTableRows(Handle table) {
    std::vector<InterfaceRow> rows;
    const auto* memory = as<const MIB_IF_TABLE2*>(table);
    if (!memory)
        return rows;
    const MIB_IF_ROW2* row = memory->Table;
    for (ULONG i = 0; i < memory->NumEntries; ++i, ++row)
        rows.push_back({row->InterfaceIndex, row->Type, row->InterfaceAndOperStatusFlags.FilterInterface != 0,
                        win32::Narrow(row->Alias), row->InOctets, row->OutOctets});
    return rows;
}

void RealWin32Api::FreeMibTable(Handle memory) {
    ::FreeMibTable(as<PVOID>(memory));
}

bool RealWin32Api::GetSystemPowerStatus(SystemPowerStatus* status) {
    SYSTEM_POWER_STATUS power{};
    if (!::GetSystemPowerStatus(&power))
        return false;
    *status = {power.ACLineStatus, power.BatteryFlag, power.BatteryLifePercent};
    return true;
}

Handle RealWin32Api::CreateToolhelp32Snapshot(std::uint32_t flags, std::uint32_t processId) {
    return handleOf(::CreateToolhelp32Snapshot(flags, processId));
}

namespace {
template <typename Walk> bool processEntry(Walk walk, Handle snapshot, ProcessEntry* entry) {
    PROCESSENTRY32W found{};
    found.dwSize = sizeof found;
    if (!walk(as<HANDLE>(snapshot), &found))
        return false;
    *entry = {found.th32ProcessID, win32::Narrow(found.szExeFile)};
    return true;
}
} // namespace

bool RealWin32Api::Process32FirstW(Handle snapshot, ProcessEntry* entry) {
    return processEntry(::Process32FirstW, snapshot, entry);
}

bool RealWin32Api::Process32NextW(Handle snapshot, ProcessEntry* entry) {
    return processEntry(::Process32NextW, snapshot, entry);
}

bool RealWin32Api::ProcessIdToSessionId(std::uint32_t processId, std::uint32_t* sessionId) {
    DWORD session = 0;
    if (!::ProcessIdToSessionId(processId, &session))
        return false;
    *sessionId = session;
    return true;
}

int RealWin32Api::CompareStringOrdinal(const std::string& first, const std::string& second, bool ignoreCase) {
    const std::wstring a = win32::Widen(first), b = win32::Widen(second);
    return ::CompareStringOrdinal(a.c_str(), int(a.size()), b.c_str(), int(b.size()), ignoreCase);
}

bool RealWin32Api::RegisterWaitForSingleObject(Handle* waitObject, Handle object, WaitCallback callback,
                                               std::uint32_t milliseconds, std::uint32_t flags) {
    auto context = std::make_unique<WaitCallback>(std::move(callback));
    HANDLE wait = nullptr;
    if (!::RegisterWaitForSingleObject(&wait, as<HANDLE>(object), waitCallback, context.get(), milliseconds,
                                       flags))
        return false;
    *waitObject = handleOf(wait);
    const std::lock_guard lock(m_waitsMutex);
    m_waitCallbacks[*waitObject] = std::move(context);
    return true;
}

bool RealWin32Api::UnregisterWaitEx(Handle waitHandle, Handle completionEvent) {
    const BOOL ok = ::UnregisterWaitEx(as<HANDLE>(waitHandle), as<HANDLE>(completionEvent));
    // Only a wait that waited for its callback may free it; otherwise it may still run.
    if (completionEvent == handleOf(INVALID_HANDLE_VALUE)) {
        const std::lock_guard lock(m_waitsMutex);
        m_waitCallbacks.erase(waitHandle);
    }
    return ok;
}

Handle RealWin32Api::CreateMessageWindow(WindowProcedure procedure) {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    static std::once_flag registered;
    std::call_once(registered, [instance] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = messageWindowProcedure;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = MessageWindowClass;
        ::RegisterClassExW(&windowClass);
    });
    // Owned by the window from WM_NCCREATE on; a window that failed before it leaves it behind.
    auto* kept = new WindowProcedure(std::move(procedure));
    return handleOf(::CreateWindowExW(0, MessageWindowClass, nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                      instance, kept));
}

bool RealWin32Api::PostMessageW(Handle window, std::uint32_t message, std::uintptr_t wParam,
                                std::intptr_t lParam) {
    return ::PostMessageW(as<HWND>(window), message, wParam, lParam);
}

std::uint32_t RealWin32Api::GetLastError() {
    return ::GetLastError();
}

std::string RealWin32Api::FormatMessageW(std::uint32_t messageId) {
    return SystemErrorText(messageId);
}

// ---- Keeping awake and waking ----

static_assert(activity_values::continuous == ES_CONTINUOUS &&
              activity_values::systemRequired == ES_SYSTEM_REQUIRED);
static_assert(activity_values::notSupported == ERROR_NOT_SUPPORTED);

std::uint32_t RealWin32Api::SetThreadExecutionState(std::uint32_t flags) {
    return ::SetThreadExecutionState(flags);
}

Handle RealWin32Api::CreateWaitableTimerW(bool manualReset, const char* timerName) {
    const std::wstring name = timerName ? win32::Widen(timerName) : std::wstring();
    return handleOf(::CreateWaitableTimerW(nullptr, manualReset, timerName ? name.c_str() : nullptr));
}

bool RealWin32Api::SetWaitableTimer(Handle timer, std::int64_t dueTime, std::int32_t periodMs, bool resume) {
    LARGE_INTEGER due;
    due.QuadPart = dueTime;
    return ::SetWaitableTimer(as<HANDLE>(timer), &due, periodMs, nullptr, nullptr, resume);
}

bool RealWin32Api::CancelWaitableTimer(Handle timer) {
    return ::CancelWaitableTimer(as<HANDLE>(timer));
}

std::uint64_t RealWin32Api::GetSystemTimeAsFileTime() {
    FILETIME now;
    ::GetSystemTimeAsFileTime(&now);
    return (std::uint64_t(now.dwHighDateTime) << 32) | now.dwLowDateTime;
}

std::uint32_t RealWin32Api::readPowerIndex(bool onMains, const char* subgroupGuid, const char* settingGuid,
                                           std::uint32_t* value) {
    const PowerLibrary& library = power();
    const auto read = onMains ? library.powerReadACValueIndex : library.powerReadDCValueIndex;
    if (!library.powerGetActiveScheme || !read)
        return ERROR_PROC_NOT_FOUND;
    GUID subgroup, setting;
    if (CLSIDFromString(win32::Widen(subgroupGuid).c_str(), &subgroup) != NOERROR ||
        CLSIDFromString(win32::Widen(settingGuid).c_str(), &setting) != NOERROR)
        return ERROR_INVALID_PARAMETER;
    GUID* scheme = nullptr;
    if (const DWORD error = library.powerGetActiveScheme(nullptr, &scheme); error != ERROR_SUCCESS)
        return error;
    DWORD index = 0;
    const DWORD error = read(nullptr, scheme, &subgroup, &setting, &index);
    LocalFree(scheme);
    if (error == ERROR_SUCCESS)
        *value = index;
    return error;
}

std::uint32_t RealWin32Api::PowerReadACValueIndex(const char* subgroupGuid, const char* settingGuid,
                                                  std::uint32_t* value) {
    return readPowerIndex(true, subgroupGuid, settingGuid, value);
}

std::uint32_t RealWin32Api::PowerReadDCValueIndex(const char* subgroupGuid, const char* settingGuid,
                                                  std::uint32_t* value) {
    return readPowerIndex(false, subgroupGuid, settingGuid, value);
}

std::unique_ptr<Platform> createSystemPlatform() {
    return std::make_unique<Win32Platform>(std::make_unique<RealWin32Api>());
}

// A program built for the window subsystem has no console of its own: print into the one it was started
// from.
void attachToParentConsole() {
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::freopen("CONOUT$", "w", stdout);
        std::freopen("CONOUT$", "w", stderr);
    }
}

} // namespace halvo
