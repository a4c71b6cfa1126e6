#include "LinuxActivity.h"

#include "Files.h"
#include "Processes.h"
#include "platform/Translate.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QObject>
#include <QSocketNotifier>
#include <QVariantMap>

#include <xcb/screensaver.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <linux/magic.h>
#include <net/if.h>
#include <sstream>
#include <string_view>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace halvo::linuxbackend {

namespace {

// A peer that has not answered within this is treated as absent; samples come every few seconds.
constexpr int kBusTimeoutMs = 3000;

const char* const kNoIdleSource = HALVO_TRANSLATE_NOOP(
    "Activity", "Neither the X server nor the desktop (GNOME or KDE) tells how long the user has been idle");
const char* const kNoBattery = HALVO_TRANSLATE_NOOP("Activity", "This computer has no battery");

// The desktops' idle services on the session bus, asked in this order; both answer in milliseconds.
struct IdleService {
    const char* service;
    const char* path;
    const char* interface;
    const char* method;
};
const IdleService kIdleServices[] = {
    {"org.gnome.Mutter.IdleMonitor", "/org/gnome/Mutter/IdleMonitor/Core", "org.gnome.Mutter.IdleMonitor",
     "GetIdletime"},
    {"org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver", "org.freedesktop.ScreenSaver",
     "GetSessionIdleTime"},
};

// The whole numbers at the start of text, blank-separated, at most max of them; the count read. Parsed by
// hand rather than with a stream, as they are read every five seconds.
int readNumbers(std::string_view text, std::uint64_t* out, int max) {
    int count = 0;
    std::size_t at = 0;
    while (count < max) {
        at = text.find_first_not_of(" \t", at);
        if (at == std::string_view::npos)
            break;
        std::uint64_t value = 0;
        const auto [end, error] = std::from_chars(text.data() + at, text.data() + text.size(), value);
        if (error != std::errc() || (end != text.data() + text.size() && *end != ' ' && *end != '\t'))
            break;
        out[count++] = value;
        at = std::size_t(end - text.data());
    }
    return count;
}

// On Wayland the X server (Xwayland) sees only the input that goes to X programs.
bool waylandSession() {
    const char* type = std::getenv("XDG_SESSION_TYPE");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (type && std::strcmp(type, "wayland") == 0) || (wayland && *wayland);
}

std::string baseName(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The program file's name of one process: its executable, else the name it was started by, else the
// kernel's short name; empty when none is readable.
std::string programName(const std::string& processFolder, std::string& shortName) {
    std::string exe = ReadLink(processFolder + "/exe");
    // A program replaced on disk (an update) still runs under its name.
    const std::string deleted = " (deleted)";
    if (exe.size() > deleted.size() && exe.compare(exe.size() - deleted.size(), deleted.size(), deleted) == 0)
        exe.resize(exe.size() - deleted.size());
    if (!exe.empty())
        return baseName(exe);
    std::string text, ignored;
    if (ReadFile(processFolder + "/cmdline", text, ignored) && !text.empty() && text[0] != '\0')
        return baseName(text.substr(0, text.find('\0')));
    if (ReadFile(processFolder + "/comm", text, ignored)) {
        while (!text.empty() && text.back() == '\n')
            text.pop_back();
        shortName = text;
    }
    return {};
}

// Ended processes that nobody has collected yet still have a folder in /proc.
bool isZombie(const std::string& processFolder) {
    std::string text, ignored;
    if (!ReadFile(processFolder + "/stat", text, ignored))
        return true; // gone meanwhile
    const auto close = text.rfind(')');
    return close == std::string::npos || close + 2 >= text.size() || text[close + 2] == 'Z';
}

} // namespace

// ---- A counter file kept open

bool LinuxActivity::CounterFile::read(std::span<char> scratch, std::string_view& text, std::string& failure) {
    if (m_file < 0) {
        m_file = ::open(m_path.c_str(), O_RDONLY | O_CLOEXEC);
        if (m_file < 0) {
            failure = "cannot read " + m_path + ": " + std::strerror(errno);
            return false;
        }
        // The kernel makes its files anew at each read from the start, so they are kept open: a reading
        // then costs a third of one that opens the file again. Any other file (a copy to test with) is
        // opened each time, so that a new one is seen.
        struct statfs system {};
        m_kept = ::fstatfs(m_file, &system) == 0 && system.f_type == PROC_SUPER_MAGIC;
    }
    // The kernel fills a read of its files as far as the text goes, or, for a long file, until its own
    // buffer of a page or more cannot take the next line: so a read that comes back short of the room and
    // of half a page has it all, and a sample is one read, into the caller's scratch on its stack. A longer
    // text goes on into a buffer kept here.
    const auto readAt = [this](char* into, std::size_t room, std::size_t at) {
        ssize_t got = 0;
        do
            got = ::pread(m_file, into, room, off_t(at));
        while (got < 0 && errno == EINTR);
        return got;
    };
    ssize_t got = readAt(scratch.data(), scratch.size(), 0);
    if (got >= 0 && m_kept && std::size_t(got) < scratch.size() && got < 2048) {
        text = std::string_view(scratch.data(), std::size_t(got));
        return true;
    }
    std::size_t size = got > 0 ? std::size_t(got) : 0;
    if (got > 0) {
        m_text.assign(scratch.data(), size);
        for (;;) {
            if (m_text.size() < size + 4096)
                m_text.resize(size + 4096);
            const std::size_t room = m_text.size() - size;
            got = readAt(m_text.data() + size, room, size);
            if (got <= 0)
                break;
            size += std::size_t(got);
            if (m_kept && std::size_t(got) < room && size < 2048)
                break;
        }
    }
    if (got < 0) {
        failure = "cannot read " + m_path + ": " + std::strerror(errno);
        close();
        return false;
    }
    if (!m_kept)
        close();
    text = std::string_view(m_text.data(), size);
    return true;
}

void LinuxActivity::CounterFile::close() {
    if (m_file >= 0)
        ::close(m_file);
    m_file = -1;
}

LinuxActivity::LinuxActivity(std::string displayName, std::string procFolder)
    : m_displayName(std::move(displayName)), m_proc(std::move(procFolder)), m_processorFile(m_proc + "/stat"),
      m_networkFile(m_proc + "/net/dev"), m_calls(new QObject) {}

LinuxActivity::~LinuxActivity() {
    for (auto& [processId, watch] : m_watches) {
        watch.notifier.reset();
        ::close(watch.pidfd);
    }
    m_calls.reset();
    if (m_x11)
        xcb_disconnect(m_x11);
    if (m_flagSocket >= 0)
        ::close(m_flagSocket);
}

// ---- Processor and network: the kernel's counters

Reading<ProcessorTimes> LinuxActivity::readProcessorTimes() {
    const std::string& path = m_processorFile.path();
    std::string_view text;
    std::string failure;
    std::array<char, 4096> scratch;
    if (!m_processorFile.read(scratch, text, failure))
        return {std::nullopt, failure};
    // "cpu  user nice system idle iowait irq softirq steal guest guest_nice", in clock ticks; the guest
    // times are already part of user and nice.
    const std::string_view first = text.substr(0, text.find('\n'));
    const std::size_t labelEnd = std::min(first.find_first_of(" \t"), first.size());
    const std::string_view label = first.substr(0, labelEnd);
    std::uint64_t field[8] = {};
    const int count = readNumbers(first.substr(labelEnd), field, 8);
    if (label != "cpu" || count < 4)
        return {std::nullopt, path + " has no processor times"};
    ProcessorTimes times;
    times.busy = field[0] + field[1] + field[2] + field[5] + field[6] + field[7];
    times.total = times.busy + field[3] + field[4];
    return {times, {}};
}

Reading<std::vector<InterfaceBytes>> LinuxActivity::readNetworkBytes() {
    const std::string& path = m_networkFile.path();
    std::string_view text;
    std::string failure;
    std::array<char, 4096> scratch;
    if (!m_networkFile.read(scratch, text, failure))
        return {std::nullopt, failure};
    // The interface flags come through a socket, which lives in this process's network namespace as the
    // counters do (/sys/class/net shows the namespace sysfs was mounted in). Kept for the next readings.
    if (m_flagSocket < 0)
        m_flagSocket = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    const int probe = m_flagSocket;
    // Whether an interface is the loopback is asked once while it stays: the answers of the last reading are
    // kept in its order, so an interface in the same place is known at once, and one that went away and
    // came back is asked again. Nothing is made anew while the interfaces stay.
    std::size_t kept = 0; // answers taken in place so far
    bool changed = false; // the interfaces differ from the last reading's: the answers go to fresh
    std::vector<std::pair<std::string, bool>> fresh;
    const auto isLoopback = [&](std::string_view name) {
        if (!changed && kept < m_loopback.size() && m_loopback[kept].first == name)
            return m_loopback[kept++].second;
        if (!changed) {
            changed = true;
            fresh.assign(m_loopback.begin(), m_loopback.begin() + std::ptrdiff_t(kept));
        }
        const auto known = std::find_if(m_loopback.begin(), m_loopback.end(),
                                        [&](const auto& entry) { return entry.first == name; });
        bool answer = false;
        ifreq request{};
        if (known != m_loopback.end())
            answer = known->second;
        else if (name == "lo")
            answer = true;
        else if (probe >= 0 && name.size() < sizeof request.ifr_name) {
            std::memcpy(request.ifr_name, name.data(), name.size());
            answer = ::ioctl(probe, SIOCGIFFLAGS, &request) == 0 && (request.ifr_flags & IFF_LOOPBACK);
        }
        fresh.emplace_back(name, answer);
        return answer;
    };

    std::vector<InterfaceBytes> interfaces;
    interfaces.reserve(m_loopback.size());
    std::string_view rest(text);
    std::string_view line;
    int lineNumber = 0;
    bool readable = true;
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        line = rest.substr(0, end);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        if (++lineNumber <= 2 || line.find_first_not_of(' ') == std::string_view::npos)
            continue; // the two heading lines
        const auto colon = line.find(':');
        std::uint64_t value[9] = {};
        const int count = colon == std::string_view::npos ? 0 : readNumbers(line.substr(colon + 1), value, 9);
        if (count < 9) {
            readable = false;
            break;
        }
        std::string_view name = line.substr(0, colon);
        name.remove_prefix(std::min(name.find_first_not_of(' '), name.size()));
        if (!isLoopback(name))
            interfaces.push_back({std::string(name), value[0], value[8]});
    }
    if (!readable)
        return {std::nullopt,
                FillIn(Translate("Activity", "%1 has a line that cannot be read: %2"), {path, line})};
    if (changed)
        m_loopback = std::move(fresh);
    else
        m_loopback.resize(kept); // those left at the end went away
    return {interfaces, {}};
}

// The sampling thread and the interface thread may both ask: one reading at a time, each answered after.
void LinuxActivity::processorTimes(std::function<void(Reading<ProcessorTimes>)> answer) {
    std::unique_lock hold(m_countersLock);
    Reading<ProcessorTimes> reading = readProcessorTimes();
    hold.unlock();
    answer(std::move(reading));
}

void LinuxActivity::networkBytes(std::function<void(Reading<std::vector<InterfaceBytes>>)> answer) {
    std::unique_lock hold(m_countersLock);
    Reading<std::vector<InterfaceBytes>> reading = readNetworkBytes();
    hold.unlock();
    answer(std::move(reading));
}

// ---- The user's input

std::optional<std::int64_t> LinuxActivity::x11IdleMs() {
    if (m_x11 && xcb_connection_has_error(m_x11)) {
        xcb_disconnect(m_x11);
        m_x11 = nullptr;
    }
    if (!m_x11) {
        const char* name = m_displayName.empty() ? std::getenv("DISPLAY") : m_displayName.c_str();
        if (!name || !*name)
            return std::nullopt;
        int screenNumber = 0;
        xcb_connection_t* connection = xcb_connect(name, &screenNumber);
        xcb_screen_iterator_t screens = {};
        if (!xcb_connection_has_error(connection)) {
            screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
            for (int i = 0; i < screenNumber && screens.rem; ++i)
                xcb_screen_next(&screens);
        }
        if (!screens.rem) {
            xcb_disconnect(connection);
            return std::nullopt;
        }
        m_x11 = connection;
        m_x11Root = screens.data->root;
    }
    xcb_screensaver_query_info_reply_t* info =
        xcb_screensaver_query_info_reply(m_x11, xcb_screensaver_query_info(m_x11, m_x11Root), nullptr);
    if (!info)
        return std::nullopt; // no MIT-SCREEN-SAVER extension, or the server went away
    const std::int64_t idle = info->ms_since_user_input;
    std::free(info);
    return idle;
}

void LinuxActivity::userIdle(std::function<void(Reading<std::int64_t>)> answer) {
    if (!waylandSession()) {
        if (const auto idle = x11IdleMs())
            return answer({*idle, {}});
    }
    askIdleServices(0, std::move(answer));
}

void LinuxActivity::askIdleServices(std::size_t tried, std::function<void(Reading<std::int64_t>)> answer) {
    if (tried >= std::size(kIdleServices))
        return answer({std::nullopt, Translate("Activity", kNoIdleSource)});
    // The service that answered last is asked first, then the others in their order: on KDE the GNOME
    // service is not asked in vain at every sample.
    const std::size_t index = tried == 0 ? m_idleService : tried - 1 < m_idleService ? tried - 1 : tried;
    const IdleService& peer = kIdleServices[index];
    const QDBusMessage call =
        QDBusMessage::createMethodCall(QString::fromLatin1(peer.service), QString::fromLatin1(peer.path),
                                       QString::fromLatin1(peer.interface), QString::fromLatin1(peer.method));
    auto* watcher = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call, kBusTimeoutMs),
                                                m_calls.get());
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, m_calls.get(),
                     [this, tried, index, answer = std::move(answer)](QDBusPendingCallWatcher* finished) {
                         finished->deleteLater();
                         const QDBusMessage reply = finished->reply();
                         bool ok = false;
                         const qlonglong idle =
                             reply.type() == QDBusMessage::ReplyMessage && reply.arguments().size() == 1
                                 ? reply.arguments().first().toLongLong(&ok)
                                 : 0;
                         if (ok && idle >= 0) {
                             m_idleService = index;
                             answer({idle, {}});
                         } else {
                             askIdleServices(tried + 1, answer);
                         }
                     });
}

// ---- The battery

void LinuxActivity::powerSource(std::function<void(Reading<PowerSource>)> answer) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.UPower"),
        QStringLiteral("/org/freedesktop/UPower/devices/DisplayDevice"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("GetAll"));
    call.setArguments({QStringLiteral("org.freedesktop.UPower.Device")});
    auto* watcher = new QDBusPendingCallWatcher(QDBusConnection::systemBus().asyncCall(call, kBusTimeoutMs),
                                                m_calls.get());
    QObject::connect(
        watcher, &QDBusPendingCallWatcher::finished, m_calls.get(),
        [answer = std::move(answer)](QDBusPendingCallWatcher* finished) {
            finished->deleteLater();
            const QDBusMessage reply = finished->reply();
            if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1) {
                const QString error = reply.errorName();
                if (error == QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown") ||
                    error == QStringLiteral("org.freedesktop.DBus.Error.NameHasNoOwner"))
                    return answer(
                        {std::nullopt,
                         Translate("Activity", "UPower is not running, so the battery cannot be read")});
                return answer({std::nullopt, FillIn(Translate("Activity", "UPower did not answer: %1"),
                                                    {reply.errorMessage().toStdString()})});
            }
            const QVariantMap properties = qdbus_cast<QVariantMap>(reply.arguments().first());
            // The display device stands for all batteries together; a desktop computer has an empty one.
            enum : uint { Battery = 2, Ups = 3, Discharging = 2, Empty = 3, PendingDischarge = 6 };
            const uint type = properties.value(QStringLiteral("Type")).toUInt();
            if (!properties.value(QStringLiteral("IsPresent")).toBool() || (type != Battery && type != Ups))
                return answer({std::nullopt, Translate("Activity", kNoBattery)});
            bool ok = false;
            const double percent = properties.value(QStringLiteral("Percentage")).toDouble(&ok);
            if (!ok)
                return answer(
                    {std::nullopt, Translate("Activity", "UPower does not tell the battery's charge")});
            const uint state = properties.value(QStringLiteral("State")).toUInt();
            PowerSource source;
            source.onBattery = state == Discharging || state == Empty || state == PendingDischarge;
            source.percent = percent;
            answer({source, {}});
        });
}

// ---- Programs and processes

std::vector<std::uint32_t> LinuxActivity::processesRunning(const std::string& name) {
    std::vector<std::uint32_t> found;
    if (name.empty())
        return found;
    DIR* folder = ::opendir(m_proc.c_str());
    if (!folder)
        return found;
    const uid_t user = ::getuid();
    const pid_t self = ::getpid();
    // The kernel keeps 15 bytes of a name.
    const std::string shortOfName = name.substr(0, 15);
    while (const dirent* entry = ::readdir(folder)) {
        char* end = nullptr;
        const unsigned long processId = std::strtoul(entry->d_name, &end, 10);
        if (!*entry->d_name || *end || processId == 0 || processId == static_cast<unsigned long>(self))
            continue;
        const std::string processFolder = m_proc + "/" + entry->d_name;
        struct stat status {};
        if (::stat(processFolder.c_str(), &status) != 0 || status.st_uid != user)
            continue;
        std::string shortName;
        const std::string program = programName(processFolder, shortName);
        const bool same = program.empty() ? !shortName.empty() && shortName == shortOfName : program == name;
        if (same && !isZombie(processFolder))
            found.push_back(static_cast<std::uint32_t>(processId));
    }
    ::closedir(folder);
    std::sort(found.begin(), found.end());
    return found;
}

bool LinuxActivity::watchProcess(std::uint32_t processId, std::function<void()> ended, std::string& failure) {
    const std::string id = std::to_string(processId);
    struct stat status {};
    if (processId == 0 || processId > 0x7fffffffu || ::stat((m_proc + "/" + id).c_str(), &status) != 0) {
        failure = FillIn(Translate("Activity", "No process with id %1 is running"), {id});
        return false;
    }
    if (status.st_uid != ::getuid()) {
        failure = FillIn(Translate("Activity", "Process %1 belongs to another user"), {id});
        return false;
    }
    const int pidfd = static_cast<int>(::syscall(SYS_pidfd_open, static_cast<pid_t>(processId), 0));
    if (pidfd < 0) {
        failure = errno == ESRCH ? FillIn(Translate("Activity", "No process with id %1 is running"), {id})
                                 : FillIn(Translate("Activity", "Process %1 cannot be watched: %2"),
                                          {id, std::strerror(errno)});
        return false;
    }
    stopWatching(processId);
    // A pidfd becomes readable once the process has ended, whoever collects it.
    Watch& watch = m_watches[processId];
    watch.pidfd = pidfd;
    watch.ended = std::move(ended);
    watch.notifier = std::make_unique<QSocketNotifier>(pidfd, QSocketNotifier::Read);
    QObject::connect(watch.notifier.get(), &QSocketNotifier::activated, m_calls.get(),
                     [this, processId] { processEnded(processId); });
    return true;
}

void LinuxActivity::processEnded(std::uint32_t processId) {
    const auto found = m_watches.find(processId);
    if (found == m_watches.end())
        return;
    Watch watch = std::move(found->second);
    m_watches.erase(found);
    // The notifier is the one calling: it may only go once its signal is done.
    watch.notifier->setEnabled(false);
    watch.notifier.release()->deleteLater();
    ::close(watch.pidfd);
    watch.ended();
}

void LinuxActivity::stopWatching(std::uint32_t processId) {
    const auto found = m_watches.find(processId);
    if (found == m_watches.end())
        return;
    found->second.notifier.reset();
    ::close(found->second.pidfd);
    m_watches.erase(found);
}

} // namespace halvo::linuxbackend
