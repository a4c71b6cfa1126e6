#include "LinuxPlatform.h"

#include "AutostartEntry.h"
#include "Files.h"
#include "Launcher.h"
#include "Processes.h"
#include "SessionManagers.h"

#include "platform/IniFile.h"
#include "platform/Utf8.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <sys/stat.h>
#include <unistd.h>

namespace halvo {

std::unique_ptr<Platform> createSystemPlatform() {
    return std::make_unique<linuxbackend::LinuxPlatform>();
}

namespace linuxbackend {

namespace {

constexpr Handle kCurrentProcessPseudoHandle = static_cast<Handle>(-1);
constexpr Handle kUser32Module = 0x77000000;
constexpr Handle kMainModule = 0x400000;
constexpr std::uint32_t kProcessTerminate = 0x0001;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegCreatedNewKey = 1;
constexpr std::uint32_t kRegOpenedExistingKey = 2;
constexpr long kErrorInvalidHandle = 6;
constexpr long kErrorInvalidParameter = 87;
constexpr const char* kRunKeyPath = "software\\microsoft\\windows\\currentversion\\run";
constexpr const char* kRunValueName = "halvo shutdown";

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return text;
}

bool isRunValue(const char* valueName) {
    return valueName && lower(valueName) == kRunValueName;
}

bool isPredefinedKey(Handle key) {
    return key >= 0x80000000 && key <= 0x80000006;
}

bool isFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::uint32_t copyCut(const std::string& text, char* buffer, std::uint32_t size) {
    if (!buffer || size == 0)
        return 0;
    const std::string_view cut = CutUtf8(text, size - 1);
    std::memcpy(buffer, cut.data(), cut.size());
    buffer[cut.size()] = '\0';
    return static_cast<std::uint32_t>(cut.size());
}

} // namespace

LinuxPlatform::LinuxPlatform(std::string displayName, bool useResourceExtension)
    : m_windows(std::move(displayName), useResourceExtension) {}

LinuxPlatform::~LinuxPlatform() = default;

Handle LinuxPlatform::addHandle(HandleEntry entry) {
    std::lock_guard lock(m_handlesMutex);
    // Multiples of four, as the platform's own handles are, and never 0 or the pseudo handle.
    const Handle handle = m_nextHandle;
    m_nextHandle += 4;
    m_handles.emplace(handle, std::move(entry));
    return handle;
}

bool LinuxPlatform::findHandle(Handle handle, HandleKind kind, HandleEntry& entry) {
    std::lock_guard lock(m_handlesMutex);
    const auto it = m_handles.find(handle);
    if (it == m_handles.end() || it->second.kind != kind)
        return false;
    entry = it->second;
    return true;
}

bool LinuxPlatform::dropHandle(Handle handle, bool keys) {
    std::lock_guard lock(m_handlesMutex);
    const auto it = m_handles.find(handle);
    if (it == m_handles.end())
        return false;
    const bool isKey = it->second.kind == HandleKind::RunKey || it->second.kind == HandleKind::OtherKey;
    if (isKey != keys)
        return false;
    m_handles.erase(it);
    return true;
}

// ---- Privilege: polkit decides who may power off; there is no token to adjust, so these succeed.

Handle LinuxPlatform::GetCurrentProcess() {
    return kCurrentProcessPseudoHandle;
}

std::uint32_t LinuxPlatform::GetCurrentProcessId() {
    return static_cast<std::uint32_t>(::getpid());
}

bool LinuxPlatform::OpenProcessToken(Handle process, std::uint32_t desiredAccess, Handle* token) {
    HandleEntry ignored;
    if (!token ||
        (process != kCurrentProcessPseudoHandle && !findHandle(process, HandleKind::Process, ignored)))
        return false;
    *token = addHandle(HandleEntry{HandleKind::Token, desiredAccess, nullptr});
    return true;
}

bool LinuxPlatform::LookupPrivilegeValueA(const char*, const char* name, Luid* luid) {
    if (!name || !luid)
        return false;
    // The number Windows gives SeShutdownPrivilege, so the values passed on look the same everywhere.
    *luid = lower(name) == "seshutdownprivilege" ? Luid{19, 0} : Luid{0, 0};
    return true;
}

bool LinuxPlatform::AdjustTokenPrivileges(Handle token, bool, const TokenPrivileges*,
                                          std::uint32_t bufferLength, TokenPrivileges* previousState,
                                          std::uint32_t* returnLength) {
    HandleEntry ignored;
    if (!findHandle(token, HandleKind::Token, ignored))
        return false;
    if (previousState && bufferLength >= sizeof(TokenPrivileges))
        *previousState = TokenPrivileges{};
    if (returnLength)
        *returnLength = sizeof(TokenPrivileges);
    return true;
}

bool LinuxPlatform::CloseHandle(Handle object) {
    // Dropping a process entry closes its pidfd.
    return dropHandle(object, false);
}

// ---- Session and power

// Log off and restart without force go to the desktop's session manager, which asks every program first,
// as Windows does. Nothing when no manager takes the request up; otherwise whether it accepted.
static std::optional<bool> askSessionManager(std::uint32_t flags, std::string& refusal) {
    if (flags & (win::EWX_FORCE | win::EWX_SHUTDOWN | win::EWX_POWEROFF))
        return std::nullopt;
    const bool restart = flags & win::EWX_REBOOT;
    const SessionManagerAnswer answer =
        AskSessionManager(restart ? SessionRequest::Restart : SessionRequest::LogOff);
    if (answer.outcome == SessionManagerAnswer::Outcome::NotServed)
        return std::nullopt;
    if (answer.outcome == SessionManagerAnswer::Outcome::Refused) {
        refusal = answer.reason;
        std::fprintf(stderr, "halvo-shutdown: %s did not %s: %s\n", answer.desktop.c_str(),
                     restart ? "restart the computer" : "log off", refusal.c_str());
        std::fflush(stderr);
    }
    return answer.outcome == SessionManagerAnswer::Outcome::Accepted;
}

bool LinuxPlatform::ExitWindowsEx(std::uint32_t flags, std::uint32_t) {
    m_lastErrorText.clear();
    if (const std::optional<bool> byManager = askSessionManager(flags, m_lastErrorText))
        return *byManager;
    // Shut down and power off are both logind's PowerOff: a halted but powered machine helps no desktop user.
    if (flags & (win::EWX_SHUTDOWN | win::EWX_POWEROFF))
        return answered(m_session.PowerOff());
    // Restart is logind's Reboot; whether applications may object is logind's inhibitors' business.
    if (flags & win::EWX_REBOOT)
        return answered(m_session.Reboot());
    // Log off (0, with or without force) ends our own session, not every session of the user.
    return answered(m_session.TerminateOwnSession());
}

bool LinuxPlatform::answered(bool accepted) {
    m_lastErrorText = accepted ? std::string() : m_session.LastRefusal();
    return accepted;
}

bool LinuxPlatform::SetSuspendState(bool hibernate, bool, bool) {
    // logind decides about force and wake events itself.
    return answered(hibernate ? m_session.Hibernate() : m_session.Suspend());
}

std::intptr_t LinuxPlatform::SendMessageTimeoutA(Handle window, std::uint32_t message, std::uintptr_t wParam,
                                                 std::intptr_t, std::uint32_t, std::uint32_t timeoutMs,
                                                 std::uintptr_t* result) {
    if (result)
        *result = 0;
    // The screen-saver broadcast is the desktop's own screen saver switched on, else the freedesktop one
    // (which locks on KDE), else the X server's; no other message has a meaning for X11 windows of others.
    if (window == win::HWND_BROADCAST && message == win::WM_SYSCOMMAND &&
        (wParam & 0xFFF0) == win::SC_SCREENSAVE)
        return ActivateDesktopScreenSaver(static_cast<int>(timeoutMs)) ||
                       m_session.ActivateScreenSaver(static_cast<int>(timeoutMs)) ||
                       m_windows.ActivateScreenSaver()
                   ? 1
                   : 0;
    return 0;
}

Handle LinuxPlatform::GetModuleHandleA(const char* moduleName) {
    // Locking is always available through logind, so the lookup of LockWorkStation finds it.
    if (moduleName && (lower(moduleName) == "user32.dll" || lower(moduleName) == "user32"))
        return kUser32Module;
    return 0;
}

ProcAddress LinuxPlatform::GetProcAddress(Handle module, const char* procName) {
    if (module == kUser32Module && procName && std::strcmp(procName, "LockWorkStation") == 0)
        return [this]() -> long { return answered(m_session.LockOwnSession()) ? 1 : 0; };
    return {};
}

// ---- Windows: X11 (see X11Windows for which windows and in which order)

bool LinuxPlatform::EnumWindows(const EnumWindowsCallback& callback) {
    // The list is taken first, so a callback that closes windows cannot disturb the walk.
    for (const std::uint32_t window : m_windows.TopLevelWindows())
        if (!callback(window))
            break;
    return true;
}

bool LinuxPlatform::IsWindow(Handle window) {
    return window <= 0xFFFFFFFF && m_windows.Exists(static_cast<std::uint32_t>(window));
}

bool LinuxPlatform::IsWindowVisible(Handle window) {
    // Visible means viewable: mapped, and every ancestor (the window manager's frame) mapped too.
    return window <= 0xFFFFFFFF && m_windows.Viewable(static_cast<std::uint32_t>(window));
}

Handle LinuxPlatform::GetParent(Handle window) {
    // A top-level window's owner is the window it is transient for.
    return window <= 0xFFFFFFFF ? m_windows.Owner(static_cast<std::uint32_t>(window)) : 0;
}

int LinuxPlatform::GetWindowTextA(Handle window, char* buffer, int maxCount) {
    if (!buffer || maxCount <= 0)
        return 0;
    // Cut on a character boundary: half a UTF-8 character would show as garbage in the lists.
    const std::string title = window <= 0xFFFFFFFF ? m_windows.Title(static_cast<std::uint32_t>(window)) : "";
    return static_cast<int>(copyCut(title, buffer, static_cast<std::uint32_t>(maxCount)));
}

std::uint32_t LinuxPlatform::GetWindowThreadProcessId(Handle window, std::uint32_t* processId) {
    const std::uint32_t pid =
        window <= 0xFFFFFFFF ? m_windows.ProcessId(static_cast<std::uint32_t>(window)) : 0;
    if (processId)
        *processId = pid;
    // No thread ids on X11; the process id stands in, non-zero exactly when the window's process is known.
    return pid;
}

// ---- Processes: pidfd, so the process opened is the process signalled

Handle LinuxPlatform::OpenProcess(std::uint32_t desiredAccess, bool, std::uint32_t processId) {
    // Inheritance means nothing here: a pidfd is close-on-exec and no child is given our handles.
    auto process = std::make_shared<ProcessReference>(static_cast<pid_t>(processId));
    if (!process->valid())
        return 0;
    // Only processes we may signal open at all, as only a user's own processes open on the platform without
    // administrator rights; theirs are the only ones whose executable we could read anyway.
    if (!process->maySignal())
        return 0;
    return addHandle(HandleEntry{HandleKind::Process, desiredAccess, std::move(process)});
}

bool LinuxPlatform::TerminateProcess(Handle process, std::uint32_t) {
    HandleEntry entry;
    if (!findHandle(process, HandleKind::Process, entry) || !(entry.access & kProcessTerminate))
        return false;
    // SIGKILL, which a process cannot catch, as a forced end cannot be refused; no exit code can be chosen.
    return entry.process->kill();
}

bool LinuxPlatform::EnumProcessModules(Handle process, Handle* modules, std::uint32_t bytes,
                                       std::uint32_t* needed) {
    HandleEntry entry;
    const std::uint32_t queryAndRead = win::PROCESS_QUERY_INFORMATION | win::PROCESS_VM_READ;
    if (!findHandle(process, HandleKind::Process, entry) || (entry.access & queryAndRead) != queryAndRead)
        return false;
    // One module, the executable: /proc/PID/exe, unreadable for processes that are not ours.
    if (entry.process->executablePath().empty())
        return false;
    if (modules && bytes >= sizeof(Handle))
        modules[0] = kMainModule;
    if (needed)
        *needed = sizeof(Handle);
    return true;
}

std::uint32_t LinuxPlatform::GetModuleFileNameExA(Handle process, Handle module, char* fileName,
                                                  std::uint32_t size) {
    HandleEntry entry;
    if (!findHandle(process, HandleKind::Process, entry) || (module != 0 && module != kMainModule))
        return 0;
    return copyCut(entry.process->executablePath(), fileName, size);
}

// ---- Shell

Handle LinuxPlatform::ShellExecuteA(Handle, const char* operation, const char* file, const char* parameters,
                                    const char* directory, int) {
    // Only opening has a meaning on a Linux desktop; the show command is the window manager's to decide.
    if (operation && *operation && lower(operation) != "open") {
        m_lastErrorText = std::string("cannot ") + operation + " files here, only open them";
        return 31; // SE_ERR_NOASSOC
    }
    const ShellOpenResult result =
        ShellOpen(file ? file : "", parameters ? parameters : "", directory ? directory : "");
    m_lastErrorText = result.reason;
    return static_cast<Handle>(result.code);
}

// ---- Registry: only the Run key exists, and its one value is the autostart entry

long LinuxPlatform::RegCreateKeyExA(Handle key, const char* subKey, std::uint32_t, const char*, std::uint32_t,
                                    std::uint32_t desiredAccess, Handle* result, std::uint32_t* disposition) {
    if (!result)
        return kErrorInvalidParameter;
    *result = 0;
    HandleEntry parent;
    const bool knownParent =
        findHandle(key, HandleKind::RunKey, parent) || findHandle(key, HandleKind::OtherKey, parent);
    if (!isPredefinedKey(key) && !knownParent)
        return kErrorInvalidHandle;
    std::string path = subKey ? subKey : "";
    // A leading backslash starts the path at the root, as on Windows.
    const auto first = path.find_first_not_of('\\');
    path.erase(0, first == std::string::npos ? path.size() : first);
    while (!path.empty() && path.back() == '\\')
        path.pop_back();
    const bool isRunKey = key == win::HKEY_CURRENT_USER && lower(path) == kRunKeyPath;
    // Any other key answers as an empty one: nothing is stored outside the Run value.
    *result =
        addHandle(HandleEntry{isRunKey ? HandleKind::RunKey : HandleKind::OtherKey, desiredAccess, nullptr});
    if (disposition)
        *disposition =
            !isRunKey || isFolder(FolderOf(AutostartEntryPath())) ? kRegOpenedExistingKey : kRegCreatedNewKey;
    return win::ERROR_SUCCESS;
}

long LinuxPlatform::RegQueryValueExA(Handle key, const char* valueName, std::uint32_t* type,
                                     unsigned char* data, std::uint32_t* dataSize) {
    HandleEntry entry;
    if (findHandle(key, HandleKind::OtherKey, entry))
        return win::ERROR_FILE_NOT_FOUND;
    if (!findHandle(key, HandleKind::RunKey, entry))
        return kErrorInvalidHandle;
    if (data && !dataSize)
        return kErrorInvalidParameter;
    if (!isRunValue(valueName))
        return win::ERROR_FILE_NOT_FOUND;

    std::string text;
    std::string error;
    int errorNumber = 0;
    if (!ReadFile(AutostartEntryPath(), text, error, &errorNumber))
        return errorNumber == ENOENT || errorNumber == ENOTDIR ? win::ERROR_FILE_NOT_FOUND
                                                               : win::ERROR_ACCESS_DENIED;
    const AutostartValue value = ParseAutostartEntry(text);
    std::string bytes;
    std::uint32_t valueType = win::REG_SZ;
    switch (value.state) {
    case AutostartValue::State::Absent:
        return win::ERROR_FILE_NOT_FOUND;
    case AutostartValue::State::Present:
        bytes = value.text + '\0';
        break;
    case AutostartValue::State::Malformed:
        // An entry we cannot read a command line from is not a text value: the caller reports it and
        // leaves it alone rather than taking it for an empty one and overwriting it.
        bytes = text;
        valueType = kRegBinary;
        break;
    }
    if (type)
        *type = valueType;
    if (!dataSize)
        return win::ERROR_SUCCESS;
    const auto size = static_cast<std::uint32_t>(bytes.size());
    if (data && *dataSize < size) {
        *dataSize = size;
        return win::ERROR_MORE_DATA;
    }
    if (data)
        std::memcpy(data, bytes.data(), size);
    *dataSize = size;
    return win::ERROR_SUCCESS;
}

long LinuxPlatform::RegSetValueExA(Handle key, const char* valueName, std::uint32_t, std::uint32_t type,
                                   const unsigned char* data, std::uint32_t dataSize) {
    HandleEntry entry;
    if (findHandle(key, HandleKind::OtherKey, entry))
        return win::ERROR_ACCESS_DENIED;
    if (!findHandle(key, HandleKind::RunKey, entry))
        return kErrorInvalidHandle;
    if (!isRunValue(valueName))
        return win::ERROR_ACCESS_DENIED;
    // Only a command line can become an Exec line.
    if ((type != win::REG_SZ && type != win::REG_EXPAND_SZ) || (!data && dataSize > 0))
        return kErrorInvalidParameter;
    std::string text(reinterpret_cast<const char*>(data), data ? dataSize : 0);
    text = text.substr(0, text.find('\0'));

    // Written by atomic replacement: the session manager may read the folder at any moment.
    const std::string path = AutostartEntryPath();
    std::string error;
    if (!MakeFolders(FolderOf(path)) || !ReplaceFile(path, ComposeAutostartEntry(text), error))
        return win::ERROR_ACCESS_DENIED;
    return win::ERROR_SUCCESS;
}

long LinuxPlatform::RegDeleteValueA(Handle key, const char* valueName) {
    HandleEntry entry;
    if (findHandle(key, HandleKind::OtherKey, entry))
        return win::ERROR_FILE_NOT_FOUND;
    if (!findHandle(key, HandleKind::RunKey, entry))
        return kErrorInvalidHandle;
    if (!isRunValue(valueName))
        return win::ERROR_FILE_NOT_FOUND;
    // A missing entry answers as a missing value does, which callers take as nothing to delete.
    if (::unlink(AutostartEntryPath().c_str()) == 0)
        return win::ERROR_SUCCESS;
    return errno == ENOENT || errno == ENOTDIR ? win::ERROR_FILE_NOT_FOUND : win::ERROR_ACCESS_DENIED;
}

long LinuxPlatform::RegCloseKey(Handle key) {
    return dropHandle(key, true) ? win::ERROR_SUCCESS : kErrorInvalidHandle;
}

// ---- Profile files: the portable INI module on real files

std::uint32_t LinuxPlatform::GetPrivateProfileStringA(const char* section, const char* key,
                                                      const char* defaultValue, char* returned,
                                                      std::uint32_t size, const char* fileName) {
    std::string text;
    std::string error;
    const bool readable = fileName && ReadFile(fileName, text, error);
    return ini::GetProfileString(readable ? &text : nullptr, section, key, defaultValue, returned, size);
}

bool LinuxPlatform::WritePrivateProfileStringA(const char* section, const char* key, const char* value,
                                               const char* fileName) {
    if (!fileName || !section)
        return false;
    std::string text;
    std::string error;
    int errorNumber = 0;
    // A file that exists but cannot be read must not be replaced by one holding only the new key.
    if (!ReadFile(fileName, text, error, &errorNumber)) {
        if (errorNumber != ENOENT)
            return false;
        text.clear();
    }
    return ReplaceFile(fileName, ini::WriteProfileString(text, section, key, value), error);
}

// ---- Text

// No ANSI code page here: the model reads such text as Windows-1252.
std::optional<std::string> LinuxPlatform::AnsiToUtf8(const std::string&) {
    return std::nullopt;
}

// ---- Clock

LocalTime LinuxPlatform::GetLocalTime() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    // tzset() first: localtime_r alone never looks again, and a time zone changed while the program runs
    // (a laptop that travelled) must move the clock the schedule is checked against.
    ::tzset();
    tm local{};
    ::localtime_r(&now.tv_sec, &local);
    LocalTime result;
    result.year = local.tm_year + 1900;
    result.month = local.tm_mon + 1;
    result.dayOfWeek = local.tm_wday;
    result.day = local.tm_mday;
    result.hour = local.tm_hour;
    result.minute = local.tm_min;
    // A leap second (60) is held at 59, as the platform's clock never shows it.
    result.second = std::min(local.tm_sec, 59);
    result.milliseconds = static_cast<int>(now.tv_nsec / 1000000);
    return result;
}

// ---- The running executable

std::string LinuxPlatform::ExecutablePath() {
    return ReadLink("/proc/self/exe");
}

std::string LinuxPlatform::ExecutableFolder() {
    return FolderOf(ExecutablePath());
}

std::string LinuxPlatform::UserConfigFolder() {
    return ConfigHome() + "/halvo-shutdown/";
}

// ---- Files

bool LinuxPlatform::FileExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool LinuxPlatform::FolderWritable(const std::string& folder) {
    // Creating and renaming files needs write and search rights; a read-only mount answers EROFS.
    return isFolder(folder) && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

bool LinuxPlatform::MakeFolder(const std::string& folder) {
    return MakeFolders(folder);
}

bool LinuxPlatform::ReadWholeFile(const std::string& path, std::string& data, std::string& error) {
    return ReadFile(path, data, error);
}

bool LinuxPlatform::WriteWholeFile(const std::string& path, const std::string& data, std::string& error) {
    return ReplaceFile(path, data, error);
}

bool LinuxPlatform::WriteBackupFile(const std::string& path, const std::string& data,
                                    const std::string& original, std::string& error) {
    return ReplaceFile(path, data, error, original);
}

bool LinuxPlatform::RenameFile(const std::string& from, const std::string& to, std::string& error) {
    if (::rename(from.c_str(), to.c_str()) == 0)
        return true;
    error = std::strerror(errno);
    return false;
}

std::string LinuxPlatform::WriteProblem(const std::string& path) {
    return ReplaceProblem(path);
}

} // namespace linuxbackend
} // namespace halvo
