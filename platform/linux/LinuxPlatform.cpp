#include "LinuxPlatform.h"

#include "AutostartEntry.h"
#include "ClockWatch.h"
#include "Files.h"
#include "Launcher.h"
#include "LinuxActivity.h"
#include "PowerHolds.h"
#include "Processes.h"
#include "SessionManagers.h"

#include "platform/IniFile.h"
#include "platform/Translate.h"
#include "platform/Utf8.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <sys/stat.h>
#include <unistd.h>

namespace halvo {

std::unique_ptr<Platform> createSystemPlatform() {
    return std::make_unique<linuxbackend::LinuxPlatform>();
}

// A Linux program writes to the terminal it was started from by itself.
void attachToParentConsole() {}

namespace linuxbackend {

namespace {

bool isFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

LinuxPlatform::LinuxPlatform(std::string displayName, bool useResourceExtension)
    : m_windows(displayName, useResourceExtension), m_displayName(std::move(displayName)) {}

Activity& LinuxPlatform::activity() {
    if (!m_activity)
        m_activity = std::make_unique<LinuxActivity>(m_displayName);
    return *m_activity;
}

PowerHolds& LinuxPlatform::powerHolds() {
    if (!m_powerHolds)
        m_powerHolds = std::make_unique<LinuxPowerHolds>(executableFolder());
    return *m_powerHolds;
}

LinuxPlatform::~LinuxPlatform() = default;

// ---- Session and power. polkit decides who may power off; there is no privilege to take first.

bool LinuxPlatform::answered(bool accepted) {
    m_refusal = accepted ? std::string() : m_session.LastRefusal();
    return accepted;
}

bool LinuxPlatform::askSessionManagerOr(bool restarting, bool force, bool (DesktopSession::*logind)()) {
    m_refusal.clear();
    // The session manager asks every program first, as Windows does without force.
    if (!force) {
        const SessionManagerAnswer answer =
            AskSessionManager(restarting ? SessionRequest::Restart : SessionRequest::LogOff);
        if (answer.outcome == SessionManagerAnswer::Outcome::Refused) {
            m_refusal = answer.reason;
            std::fprintf(stderr, "halvo-shutdown: %s did not %s: %s\n", answer.desktop.c_str(),
                         restarting ? "restart the computer" : "log off", m_refusal.c_str());
            std::fflush(stderr);
        }
        if (answer.outcome != SessionManagerAnswer::Outcome::NotServed)
            return answer.outcome == SessionManagerAnswer::Outcome::Accepted;
    }
    return answered((m_session.*logind)());
}

// Shut down and power off are both logind's PowerOff: a halted but powered machine helps no desktop user.
bool LinuxPlatform::shutDown(bool) {
    return answered(m_session.PowerOff());
}

bool LinuxPlatform::powerOff(bool) {
    return answered(m_session.PowerOff());
}

// Without a session manager, restart is logind's Reboot; whether applications may object is then logind's
// inhibitors' business.
bool LinuxPlatform::restart(bool force) {
    return askSessionManagerOr(true, force, &DesktopSession::Reboot);
}

// Ends our own session, not every session of the user.
bool LinuxPlatform::logOff(bool force) {
    return askSessionManagerOr(false, force, &DesktopSession::TerminateOwnSession);
}

bool LinuxPlatform::lock() {
    return answered(m_session.LockOwnSession());
}

// logind decides about force and wake events itself.
bool LinuxPlatform::sleep() {
    return answered(m_session.Suspend());
}

bool LinuxPlatform::hibernate() {
    return answered(m_session.Hibernate());
}

// The desktop's own screen saver switched on, else the freedesktop one (which locks on KDE), else the X
// server's. Each may take half a second before the next is tried, so a hung one cannot stop the program.
bool LinuxPlatform::startScreenSaver() {
    constexpr int timeoutMs = 500;
    return ActivateDesktopScreenSaver(timeoutMs) || m_session.ActivateScreenSaver(timeoutMs) ||
           m_windows.ActivateScreenSaver();
}

bool LinuxPlatform::isOffered(SessionAction action) {
    if (action == SessionAction::Sleep)
        return m_session.CanSuspend();
    if (action == SessionAction::Hibernate)
        return m_session.CanHibernate();
    return true;
}

// ---- Windows: X11 (see X11Windows for which windows and in which order), or on Wayland the compositor's
// list (see WaylandWindows)

namespace {

// Ids of windows from a compositor's list: X11 window ids have 32 bits, so these never meet them.
constexpr WindowId kListedWindowTag = WindowId(1) << 40;
constexpr auto kCompositorTimeout = std::chrono::milliseconds(2000);
constexpr std::size_t kLongestTitle = 100;

std::string cannotListNotice(Compositor compositor) {
    switch (compositor) {
    case Compositor::KWin:
        return Translate("LinuxPlatform",
                         "KWin did not list its windows: only the windows of X11 programs are seen.");
    case Compositor::Sway:
        return Translate("LinuxPlatform",
                         "sway did not list its windows: only the windows of X11 programs are seen.");
    case Compositor::GnomeShell:
        return Translate(
            "LinuxPlatform",
            "The windows of this desktop cannot be listed: install the \"Window Calls\" extension "
            "of GNOME Shell and switch it on. Until then only the windows of X11 programs are seen.");
    default:
        return Translate("LinuxPlatform",
                         "This desktop lists its windows to no other program: only the windows "
                         "of X11 programs are seen.");
    }
}

std::string unnamedNotice(std::size_t count) {
    return count == 1
               ? Translate("LinuxPlatform", "1 window is left out: the desktop does not say which program "
                                            "shows it.")
               : FillIn(Translate("LinuxPlatform", "%1 windows are left out: the desktop does not say which "
                                                   "programs show them."),
                        {std::to_string(count)});
}

} // namespace

std::vector<TopLevelWindow> LinuxPlatform::visibleWindows() {
    m_listingNotice.clear();
    m_listed.clear();
    const Compositor compositor = FindCompositor();
    if (compositor == Compositor::None)
        return x11Windows();
    std::optional<std::vector<ListedWindow>> listed = compositorWindows(compositor);
    if (!listed) {
        // XWayland's windows at least, which its X server lists as any other.
        m_listingNotice = cannotListNotice(compositor);
        return x11Windows();
    }
    std::vector<TopLevelWindow> list;
    const auto self = static_cast<std::uint32_t>(::getpid());
    std::size_t unnamed = 0;
    for (ListedWindow& window : *listed) {
        window.title = std::string(CutUtf8(window.title, kLongestTitle));
        // Our own windows are no program to close; a window of no known process cannot be closed.
        if (window.title.empty() || window.processId == self)
            continue;
        if (window.processId == 0) {
            ++unnamed;
            continue;
        }
        list.push_back(TopLevelWindow{window.title, kListedWindowTag | m_listed.size()});
        m_listed.push_back(std::move(window));
    }
    if (unnamed)
        m_listingNotice = unnamedNotice(unnamed);
    return list;
}

std::optional<std::vector<ListedWindow>> LinuxPlatform::compositorWindows(Compositor compositor) {
    switch (compositor) {
    case Compositor::KWin:
        return m_kwinWindows.list(kCompositorTimeout);
    case Compositor::Sway: {
        const char* socket = std::getenv("SWAYSOCK");
        return ListSwayWindows(socket ? socket : "", kCompositorTimeout);
    }
    case Compositor::GnomeShell:
        return ListGnomeShellWindows(kCompositorTimeout);
    default:
        return std::nullopt;
    }
}

std::vector<TopLevelWindow> LinuxPlatform::x11Windows() {
    std::vector<TopLevelWindow> list;
    // The list is taken first, so windows that close meanwhile cannot disturb the walk. Visible means
    // viewable: mapped, and every ancestor (the window manager's frame) mapped too. A top-level window's
    // owner is the window it is transient for.
    for (const std::uint32_t window : m_windows.TopLevelWindows()) {
        if (!m_windows.Exists(window) || !m_windows.Viewable(window) || m_windows.Owner(window) != 0)
            continue;
        // Cut on a character boundary: half a UTF-8 character would show as garbage in the lists.
        const std::string title(CutUtf8(m_windows.Title(window), kLongestTitle));
        if (!title.empty())
            list.push_back(TopLevelWindow{title, window});
    }
    return list;
}

std::uint32_t LinuxPlatform::processOf(WindowId window) {
    if (window & kListedWindowTag) {
        const WindowId index = window & ~kListedWindowTag;
        return index < m_listed.size() ? m_listed[index].processId : 0;
    }
    return window <= 0xFFFFFFFF ? m_windows.ProcessId(static_cast<std::uint32_t>(window)) : 0;
}

std::uint32_t LinuxPlatform::ownProcessId() {
    return static_cast<std::uint32_t>(::getpid());
}

// ---- Processes: pidfd, so the process looked at is the process signalled

void LinuxPlatform::endProcess(std::uint32_t processId) {
    // Only processes we may signal; SIGKILL, which a process cannot catch, as a forced end cannot be
    // refused.
    const ProcessReference process(static_cast<pid_t>(processId));
    if (process.valid() && process.maySignal())
        process.kill();
}

std::string LinuxPlatform::programFile(std::uint32_t processId) {
    // /proc/PID/exe, unreadable for processes that are not ours.
    const ProcessReference process(static_cast<pid_t>(processId));
    if (!process.valid() || !process.maySignal())
        return {};
    return process.executablePath();
}

// ---- Launching

bool LinuxPlatform::runProgram(const std::string& file, const std::optional<std::string>& parameters,
                               std::string& failure) {
    failure = ShellOpen(file, parameters.value_or(""), "");
    return failure.empty();
}

// The window manager places what opens; there is no owner to give.
void LinuxPlatform::openDocument(const std::string& target, std::uintptr_t) {
    ShellOpen(target, "", "");
}

// ---- Auto-start: the XDG autostart entry

AutoStart::Outcome LinuxPlatform::ensureEntry(const std::string& command) {
    std::string text;
    std::string error;
    // An entry that cannot be read is written anew: a write that fails then says so.
    if (ReadFile(AutostartEntryPath(), text, error)) {
        const AutostartValue value = ParseAutostartEntry(text);
        // An entry we cannot read a command line from is reported and left alone rather than taken for
        // an empty one and overwritten.
        if (value.state == AutostartValue::State::Malformed && !text.empty())
            return Outcome::NotACommand;
        if (value.state == AutostartValue::State::Present && !value.text.empty())
            return Outcome::Done;
    }
    return writeEntry(command);
}

AutoStart::Outcome LinuxPlatform::writeEntry(const std::string& command) {
    // Written by atomic replacement: the session manager may read the folder at any moment.
    const std::string path = AutostartEntryPath();
    std::string error;
    if (!MakeFolders(FolderOf(path)) || !ReplaceFile(path, ComposeAutostartEntry(command), error))
        return Outcome::NotWritten;
    return Outcome::Done;
}

void LinuxPlatform::removeEntry() {
    ::unlink(AutostartEntryPath().c_str());
}

// ---- Profile files: the portable INI module on real files

std::string LinuxPlatform::readKey(const std::string& file, const std::string& section,
                                   const std::string& key, std::size_t longest) {
    std::string text;
    std::string error;
    if (!ReadFile(file, text, error))
        return {};
    return std::string(CutUtf8(ini::GetValue(text, section, key).value_or(""), longest));
}

bool LinuxPlatform::writeKey(const std::string& file, const std::string& section, const std::string& key,
                             const std::string& value) {
    std::string text;
    std::string error;
    int errorNumber = 0;
    // A file that exists but cannot be read must not be replaced by one holding only the new key.
    if (!ReadFile(file, text, error, &errorNumber)) {
        if (errorNumber != ENOENT)
            return false;
        text.clear();
    }
    return ReplaceFile(file, ini::SetValue(text, section, key, value), error);
}

// ---- Clock

LocalTime LinuxPlatform::localTime() {
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
    // A leap second (60) is held at 59, as the schedule's clock never shows it.
    result.second = std::min(local.tm_sec, 59);
    result.milliseconds = static_cast<int>(now.tv_nsec / 1000000);
    return result;
}

std::int64_t LinuxPlatform::elapsedMs() {
    timespec now{};
    ::clock_gettime(CLOCK_BOOTTIME, &now);
    return std::int64_t(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

void LinuxPlatform::watchChanges(std::function<void(ClockChange)> notify) {
    if (m_clockWatch) {
        // The caller may be inside the old watch's announcement: it goes once that has returned.
        m_clockWatch->stop();
        if (m_clockWatch->announcing())
            m_clockWatch.release()->deleteLater();
        else
            m_clockWatch.reset();
    }
    if (notify)
        m_clockWatch = std::make_unique<ClockWatch>(std::move(notify));
}

// ---- The running executable and files

std::string LinuxPlatform::executablePath() {
    return ReadLink("/proc/self/exe");
}

std::string LinuxPlatform::executableFolder() {
    return FolderOf(executablePath());
}

std::string LinuxPlatform::userConfigFolder() {
    return ConfigHome() + "/halvo-shutdown/";
}

bool LinuxPlatform::exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool LinuxPlatform::folderWritable(const std::string& folder) {
    // Creating and renaming files needs write and search rights; a read-only mount answers EROFS.
    return isFolder(folder) && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

bool LinuxPlatform::makeFolder(const std::string& folder) {
    return MakeFolders(folder);
}

bool LinuxPlatform::readWholeFile(const std::string& path, std::string& data, std::string& error) {
    return ReadFile(path, data, error);
}

bool LinuxPlatform::writeWholeFile(const std::string& path, const std::string& data, std::string& error) {
    return ReplaceFile(path, data, error);
}

bool LinuxPlatform::writeBackupFile(const std::string& path, const std::string& data,
                                    const std::string& original, std::string& error) {
    return ReplaceFile(path, data, error, original);
}

bool LinuxPlatform::renameFile(const std::string& from, const std::string& to, std::string& error) {
    if (::rename(from.c_str(), to.c_str()) == 0)
        return true;
    error = std::strerror(errno);
    return false;
}

std::string LinuxPlatform::writeProblem(const std::string& path) {
    return ReplaceProblem(path);
}

} // namespace linuxbackend
} // namespace halvo
