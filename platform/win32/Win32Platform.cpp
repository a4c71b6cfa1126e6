#include "Win32Platform.h"

#include "Win32Activity.h"
#include "platform/Translate.h"

#include <cctype>
#include <cstring>

namespace halvo {

Win32Platform::Win32Platform(Win32Api& api) : m_api(api) {}

Win32Platform::Win32Platform(std::unique_ptr<Win32Api> api) : m_owned(std::move(api)), m_api(*m_owned) {}

Win32Platform::~Win32Platform() {
    clearWakeAlarm();
    releaseAwake();
    closeClockWindow();
}

// ---- Keeping the computer awake, and waking it

void Win32Platform::holdAwake(const std::string&) {
    // The system keeps no reason for it; the display may still turn off.
    if (m_heldAwake)
        return;
    m_api.SetThreadExecutionState(win::ES_CONTINUOUS | win::ES_SYSTEM_REQUIRED);
    m_heldAwake = true;
}

void Win32Platform::releaseAwake() {
    if (!m_heldAwake)
        return;
    m_api.SetThreadExecutionState(win::ES_CONTINUOUS);
    m_heldAwake = false;
}

std::string Win32Platform::wakeAlarmCaveat() {
    std::uint32_t onMains = 1, onBattery = 1;
    // A setting the scheme does not have leaves wake timers as the system allows them.
    const bool mainsOff =
        m_api.PowerReadACValueIndex(win::GUID_SLEEP_SUBGROUP, win::GUID_ALLOW_RTC_WAKE, &onMains) == 0 &&
        onMains == 0;
    const bool batteryOff =
        m_api.PowerReadDCValueIndex(win::GUID_SLEEP_SUBGROUP, win::GUID_ALLOW_RTC_WAKE, &onBattery) == 0 &&
        onBattery == 0;
    if (!mainsOff && !batteryOff)
        return {};
    if (mainsOff && batteryOff)
        return Translate("Win32", "\"Allow wake timers\" is turned off in the power options of Windows: the "
                                  "computer will not wake for the schedule until it is turned on.");
    if (mainsOff)
        return Translate("Win32",
                         "\"Allow wake timers\" is turned off in the power options of Windows when "
                         "plugged in: the computer will not wake for the schedule until it is turned on.");
    return Translate("Win32",
                     "\"Allow wake timers\" is turned off in the power options of Windows on battery: "
                     "the computer will not wake for the schedule until it is turned on.");
}

bool Win32Platform::setWakeAlarm(std::int64_t msFromNow, std::string& failure) {
    if (!m_wakeTimer) {
        m_wakeTimer = m_api.CreateWaitableTimerW(false, nullptr);
        if (!m_wakeTimer) {
            failure = m_api.FormatMessageW(m_api.GetLastError());
            return false;
        }
    }
    // An absolute moment in UTC: a relative one would not count the time the computer sleeps.
    const auto due = static_cast<std::int64_t>(m_api.GetSystemTimeAsFileTime()) + msFromNow * 10000;
    if (!m_api.SetWaitableTimer(m_wakeTimer, due, 0, true)) {
        failure = m_api.FormatMessageW(m_api.GetLastError());
        return false;
    }
    // Set, but the computer cannot be woken by it.
    if (m_api.GetLastError() == std::uint32_t(win::ERROR_NOT_SUPPORTED)) {
        failure = m_api.FormatMessageW(std::uint32_t(win::ERROR_NOT_SUPPORTED));
        clearWakeAlarm();
        return false;
    }
    return true;
}

void Win32Platform::clearWakeAlarm() {
    if (!m_wakeTimer)
        return;
    m_api.CancelWaitableTimer(m_wakeTimer);
    m_api.CloseHandle(m_wakeTimer);
    m_wakeTimer = 0;
}

// ---- What the system announces about the clock

void Win32Platform::watchChanges(std::function<void(ClockChange)> notify) {
    m_clockNotify = std::move(notify);
    if (!m_clockNotify) {
        closeClockWindow();
        return;
    }
    if (m_clockWindow)
        return;
    // A hidden top-level window: broadcasts reach top-level windows only (not message-only ones), and
    // Qt's event loop dispatches its messages on the interface thread, which makes it.
    m_clockInstance = m_api.GetModuleHandleA(nullptr);
    if (!m_api.RegisterClassExA(
            ClockWindowClass, m_clockInstance,
            [this](Handle window, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
                return clockMessage(window, message, wParam, lParam);
            }))
        return;
    m_clockWindow = m_api.CreateWindowExA(0, ClockWindowClass, "Halvo Shutdown clock", win::WS_POPUP, 0, 0, 0,
                                          0, 0, 0, m_clockInstance);
    if (!m_clockWindow)
        m_api.UnregisterClassA(ClockWindowClass, m_clockInstance);
}

void Win32Platform::closeClockWindow() {
    if (!m_clockWindow)
        return;
    m_api.DestroyWindow(m_clockWindow);
    m_api.UnregisterClassA(ClockWindowClass, m_clockInstance);
    m_clockWindow = 0;
}

std::intptr_t Win32Platform::clockMessage(Handle window, std::uint32_t message, std::uintptr_t wParam,
                                          std::intptr_t lParam) {
    std::optional<ClockChange> change;
    if (message == win::WM_POWERBROADCAST) {
        if (wParam == win::PBT_APMSUSPEND) {
            m_resumeAnnounced = false;
            change = ClockChange::Suspending;
        } else if (wParam == win::PBT_APMRESUMEAUTOMATIC || wParam == win::PBT_APMRESUMESUSPEND) {
            // Every wake brings the automatic resume, and the other one too when a user is there: one wake.
            if (!m_resumeAnnounced)
                change = ClockChange::Resumed;
            m_resumeAnnounced = true;
        }
    } else if (message == win::WM_TIMECHANGE) {
        change = ClockChange::WallClockSet;
    } else if (message == win::WM_ENDSESSION && wParam == 0) {
        // Every top-level window hears how the end of the session that was asked for turned out.
        change = ClockChange::SessionEndCancelled;
    } else if (message == win::WM_SETTINGCHANGE && lParam != 0) {
        // The regional settings, which the time zone is changed among, broadcast "intl". A change of the
        // zone itself also comes as WM_TIMECHANGE.
        const char* area = reinterpret_cast<const char*>(lParam);
        std::string lowered;
        for (; *area && lowered.size() < 16; ++area)
            lowered += char(std::tolower(static_cast<unsigned char>(*area)));
        if (lowered == "intl")
            change = ClockChange::TimeZoneChanged;
    }
    if (change && m_clockNotify) {
        // A copy: the watcher may stop the watch, or start another, while it runs.
        const auto notify = m_clockNotify;
        notify(*change);
    }
    if (message == win::WM_POWERBROADCAST)
        return 1; // TRUE: a suspend is never refused here
    return m_api.DefWindowProcA(window, message, wParam, lParam);
}

Activity& Win32Platform::activity() {
    if (!m_activity)
        m_activity = std::make_unique<Win32Activity>(m_api);
    return *m_activity;
}

// ---- Session and power

void Win32Platform::enableShutdownPrivilege() {
    // No step checks the one before: a failed step leaves the privilege as it was and the action is asked
    // for all the same, so the system gives its own answer.
    Handle token = 0;
    m_api.OpenProcessToken(m_api.GetCurrentProcess(), win::TOKEN_ADJUST_PRIVILEGES | win::TOKEN_QUERY,
                           &token);
    Luid luid;
    m_api.LookupPrivilegeValueA("", "SeShutdownPrivilege", &luid);
    TokenPrivileges newState;
    newState.privilegeCount = 1;
    newState.luid = luid;
    newState.attributes = win::SE_PRIVILEGE_ENABLED;
    TokenPrivileges previous;
    std::uint32_t returnLength = 0;
    m_api.AdjustTokenPrivileges(token, false, &newState, sizeof(TokenPrivileges), &previous, &returnLength);
    if (token)
        m_api.CloseHandle(token);
}

bool Win32Platform::exitWindows(std::uint32_t flags) {
    enableShutdownPrivilege();
    return m_api.ExitWindowsEx(flags, 0);
}

bool Win32Platform::shutDown(bool force) {
    return exitWindows(win::EWX_SHUTDOWN | (force ? win::EWX_FORCE : 0));
}

bool Win32Platform::powerOff(bool force) {
    return exitWindows(win::EWX_POWEROFF | (force ? win::EWX_FORCE : 0));
}

bool Win32Platform::restart(bool force) {
    return exitWindows(win::EWX_REBOOT | (force ? win::EWX_FORCE : 0));
}

bool Win32Platform::logOff(bool force) {
    return exitWindows(win::EWX_LOGOFF | (force ? win::EWX_FORCE : 0));
}

bool Win32Platform::lock() {
    enableShutdownPrivilege();
    // Looked up, not linked: the program also starts where USER32 has no LockWorkStation. There it does
    // nothing, and nothing was refused.
    const Handle user32 = m_api.GetModuleHandleA("USER32.DLL");
    if (!user32)
        return true;
    const ProcAddress lockWorkStation = m_api.GetProcAddress(user32, "LockWorkStation");
    return !lockWorkStation || lockWorkStation() != 0;
}

bool Win32Platform::sleep() {
    enableShutdownPrivilege();
    return m_api.SetSuspendState(false, false, false);
}

bool Win32Platform::hibernate() {
    enableShutdownPrivilege();
    return m_api.SetSuspendState(true, false, false);
}

bool Win32Platform::startScreenSaver() {
    // A plain send waits for every window; one hung window would freeze the program's timers for good.
    std::uintptr_t result = 0;
    return m_api.SendMessageTimeoutA(win::HWND_BROADCAST, win::WM_SYSCOMMAND, win::SC_SCREENSAVE, 0,
                                     win::SMTO_ABORTIFHUNG, 500, &result) != 0;
}

bool Win32Platform::isOffered(SessionAction action) {
    switch (action) {
    case SessionAction::Sleep:
        return m_api.IsPwrSuspendAllowed();
    case SessionAction::Hibernate:
        return m_api.IsPwrHibernateAllowed();
    default:
        return true;
    }
}

std::string Win32Platform::refusalReason() {
    return m_api.LastErrorText();
}

// ---- Windows and processes

std::vector<TopLevelWindow> Win32Platform::visibleWindows() {
    std::vector<TopLevelWindow> list;
    m_api.EnumWindows([&](Handle window) {
        if (!m_api.IsWindow(window) || !m_api.IsWindowVisible(window) || m_api.GetParent(window) != 0)
            return true;
        char title[101];
        std::memset(title, 0, sizeof title);
        m_api.GetWindowTextA(window, title, 101);
        if (title[0] != '\0')
            list.push_back(TopLevelWindow{std::string(title, strnlen(title, 100)), window});
        return true;
    });
    return list;
}

std::uint32_t Win32Platform::processOf(WindowId window) {
    std::uint32_t processId = 0;
    m_api.GetWindowThreadProcessId(window, &processId);
    return processId;
}

std::uint32_t Win32Platform::ownProcessId() {
    return m_api.GetCurrentProcessId();
}

void Win32Platform::endProcess(std::uint32_t processId) {
    const Handle process = m_api.OpenProcess(win::PROCESS_ALL_ACCESS_OLD, false, processId);
    if (process) {
        m_api.TerminateProcess(process, 0);
        m_api.CloseHandle(process);
    }
}

std::string Win32Platform::programFile(std::uint32_t processId) {
    const Handle process =
        m_api.OpenProcess(win::PROCESS_QUERY_INFORMATION | win::PROCESS_VM_READ, false, processId);
    if (!process)
        return {};
    // The first module is the program file.
    std::string file;
    Handle module = 0;
    std::uint32_t needed = 0;
    if (m_api.EnumProcessModules(process, &module, sizeof(Handle), &needed)) {
        char fileName[256];
        std::memset(fileName, 0, sizeof fileName);
        m_api.GetModuleFileNameExA(process, module, fileName, sizeof fileName);
        file = std::string(fileName, strnlen(fileName, sizeof fileName));
    }
    m_api.CloseHandle(process);
    return file;
}

// ---- Launching

bool Win32Platform::runProgram(const std::string& file, const std::optional<std::string>& parameters,
                               std::string& failure) {
    // Above 32: started.
    if (m_api.ShellExecuteA(0, nullptr, file.c_str(), parameters ? parameters->c_str() : nullptr, nullptr,
                            win::SW_SHOWNORMAL) > 32)
        return true;
    failure = m_api.LastErrorText();
    return false;
}

void Win32Platform::openDocument(const std::string& target, std::uintptr_t ownerWindow) {
    m_api.ShellExecuteA(ownerWindow, "open", target.c_str(), nullptr, nullptr, win::SW_SHOWNORMAL);
}

// ---- Auto-start: a string value under the current user's Run key

namespace {

// The Run key, open for as long as the object lives.
class RunKey {
public:
    explicit RunKey(Win32Api& api) : m_api(api) {
        std::uint32_t disposition = 0;
        if (m_api.RegCreateKeyExA(win::HKEY_CURRENT_USER, Win32Platform::RunKeyPath, 0, nullptr,
                                  win::REG_OPTION_NON_VOLATILE, win::KEY_ALL_ACCESS, &m_key,
                                  &disposition) != win::ERROR_SUCCESS)
            m_key = 0;
    }
    ~RunKey() {
        if (m_key)
            m_api.RegCloseKey(m_key);
    }
    RunKey(const RunKey&) = delete;
    RunKey& operator=(const RunKey&) = delete;

    explicit operator bool() const { return m_key != 0; }
    Handle handle() const { return m_key; }

private:
    Win32Api& m_api;
    Handle m_key = 0;
};

} // namespace

AutoStart::Outcome Win32Platform::writeRunValue(Handle key, const std::string& command) {
    if (m_api.RegSetValueExA(key, RunValueName, 0, win::REG_SZ,
                             reinterpret_cast<const unsigned char*>(command.c_str()),
                             std::uint32_t(command.size() + 1)) != win::ERROR_SUCCESS)
        return Outcome::NotWritten;
    return Outcome::Done;
}

// A key that cannot be opened is passed over silently, as it always was: the option is then simply not
// kept.
AutoStart::Outcome Win32Platform::ensureEntry(const std::string& command) {
    RunKey key(m_api);
    if (!key)
        return Outcome::Done;
    // The size first, then the data; a missing value reads as empty.
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    std::string text;
    if (m_api.RegQueryValueExA(key.handle(), RunValueName, &type, nullptr, &size) == win::ERROR_SUCCESS &&
        size > 0) {
        std::string data(size, '\0');
        if (m_api.RegQueryValueExA(key.handle(), RunValueName, &type,
                                   reinterpret_cast<unsigned char*>(data.data()),
                                   &size) != win::ERROR_SUCCESS)
            return Outcome::Done;
        if (type != win::REG_SZ && type != win::REG_EXPAND_SZ)
            return Outcome::NotACommand;
        text = data.c_str();
    }
    if (text.empty())
        return writeRunValue(key.handle(), command);
    return Outcome::Done;
}

AutoStart::Outcome Win32Platform::writeEntry(const std::string& command) {
    RunKey key(m_api);
    if (!key)
        return Outcome::Done;
    return writeRunValue(key.handle(), command);
}

void Win32Platform::removeEntry() {
    RunKey key(m_api);
    if (key)
        m_api.RegDeleteValueA(key.handle(), RunValueName);
}

// ---- Profile files

std::string Win32Platform::readKey(const std::string& file, const std::string& section,
                                   const std::string& key, std::size_t longest) {
    std::string buffer(longest + 1, '\0');
    m_api.GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer.data(),
                                   std::uint32_t(buffer.size()), file.c_str());
    return std::string(buffer.c_str());
}

bool Win32Platform::writeKey(const std::string& file, const std::string& section, const std::string& key,
                             const std::string& value) {
    return m_api.WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str());
}

} // namespace halvo
