#include "ClockWatch.h"

#include <QDBusConnection>
#include <QSocketNotifier>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <sys/inotify.h>
#include <sys/timerfd.h>
#include <unistd.h>

namespace halvo::linuxbackend {

namespace {

const QString kLogind = QStringLiteral("org.freedesktop.login1");

// The set-clock timer waits for a moment that never comes in practice (2200-01-01 UTC, within what the
// kernel accepts); only its cancellation matters.
constexpr time_t kFarAhead = 7258118400;

} // namespace

std::string ZoneFile(const char* tz, const char* tzdir) {
    if (!tz)
        return "/etc/localtime";
    std::string name = tz;
    if (!name.empty() && name[0] == ':')
        name.erase(0, 1);
    if (name.empty())
        return {}; // UTC
    if (name[0] == '/')
        return name;
    // A rule with its switch dates ("CET-1CEST,M3.5.0,M10.5.0/3") or quoted names is no file; anything else
    // may be one, and the C library looks for that file first.
    if (name.find_first_of(",<") != std::string::npos)
        return {};
    const std::string folder = tzdir && *tzdir ? tzdir : "/usr/share/zoneinfo";
    return folder + "/" + name;
}

ClockWatch::ClockWatch(std::function<void(ClockChange)> notify) : m_notify(std::move(notify)) {
    // Sleep and wake: logind says so before and after.
    QDBusConnection::systemBus().connect(
        kLogind, QStringLiteral("/org/freedesktop/login1"), QStringLiteral("org.freedesktop.login1.Manager"),
        QStringLiteral("PrepareForSleep"), this, SLOT(prepareForSleep(bool)));

    // The clock set: a timer on the wall clock that the kernel cancels on every discontinuous change.
    m_setTimer = ::timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_setTimer >= 0) {
        armSetTimer();
        m_setTimerNotifier = new QSocketNotifier(m_setTimer, QSocketNotifier::Read, this);
        connect(m_setTimerNotifier, &QSocketNotifier::activated, this, &ClockWatch::readSetTimer);
    } else {
        std::fprintf(stderr, "halvo-shutdown: cannot watch the clock being set: %s\n", std::strerror(errno));
    }

    // The time zone: the zone file replaced or rewritten in its folder. The folder, not the file, is
    // watched, as tools replace the file (or the link) by renaming a new one over it.
    const std::string zoneFile = ZoneFile(std::getenv("TZ"), std::getenv("TZDIR"));
    const auto slash = zoneFile.rfind('/');
    if (slash != std::string::npos && slash + 1 < zoneFile.size()) {
        m_zoneName = zoneFile.substr(slash + 1);
        const std::string folder = slash == 0 ? "/" : zoneFile.substr(0, slash);
        m_zoneEvents = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (m_zoneEvents >= 0 && ::inotify_add_watch(m_zoneEvents, folder.c_str(),
                                                     IN_CREATE | IN_DELETE | IN_MOVED_TO | IN_MOVED_FROM |
                                                         IN_CLOSE_WRITE | IN_ATTRIB | IN_ONLYDIR) >= 0) {
            m_zoneNotifier = new QSocketNotifier(m_zoneEvents, QSocketNotifier::Read, this);
            connect(m_zoneNotifier, &QSocketNotifier::activated, this, &ClockWatch::readZoneEvents);
        } else if (m_zoneEvents >= 0) {
            std::fprintf(stderr, "halvo-shutdown: cannot watch the time zone in %s: %s\n", folder.c_str(),
                         std::strerror(errno));
            ::close(m_zoneEvents);
            m_zoneEvents = -1;
        }
    }
}

ClockWatch::~ClockWatch() {
    stop();
    if (m_setTimer >= 0)
        ::close(m_setTimer);
    if (m_zoneEvents >= 0)
        ::close(m_zoneEvents);
}

void ClockWatch::stop() {
    if (!m_notify)
        return;
    m_notify = nullptr;
    QDBusConnection::systemBus().disconnect(
        kLogind, QStringLiteral("/org/freedesktop/login1"), QStringLiteral("org.freedesktop.login1.Manager"),
        QStringLiteral("PrepareForSleep"), this, SLOT(prepareForSleep(bool)));
    if (m_setTimerNotifier)
        m_setTimerNotifier->setEnabled(false);
    if (m_zoneNotifier)
        m_zoneNotifier->setEnabled(false);
}

void ClockWatch::announce(ClockChange change) {
    // A copy: the watcher may stop the watch, and with it this object's function, while it runs.
    if (auto notify = m_notify) {
        m_announcing = true;
        notify(change);
        m_announcing = false;
    }
}

void ClockWatch::prepareForSleep(bool start) {
    announce(start ? ClockChange::Suspending : ClockChange::Resumed);
}

void ClockWatch::armSetTimer() {
    itimerspec far{};
    far.it_value.tv_sec = kFarAhead;
    if (::timerfd_settime(m_setTimer, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &far, nullptr) != 0)
        std::fprintf(stderr, "halvo-shutdown: cannot watch the clock being set: %s\n", std::strerror(errno));
}

void ClockWatch::readSetTimer() {
    std::uint64_t expirations = 0;
    const ssize_t got = ::read(m_setTimer, &expirations, sizeof expirations);
    if (got < 0 && errno == ECANCELED) {
        // A cancelled timer stays cancelled until it is armed again.
        armSetTimer();
        announce(ClockChange::WallClockSet);
    } else if (got == sizeof expirations) {
        // The far moment came (a clock set beyond it): arming again would fire at once, over and over.
        m_setTimerNotifier->setEnabled(false);
        announce(ClockChange::WallClockSet);
    }
}

void ClockWatch::readZoneEvents() {
    alignas(inotify_event) char buffer[4096];
    bool zoneChanged = false;
    for (;;) {
        const ssize_t got = ::read(m_zoneEvents, buffer, sizeof buffer);
        if (got <= 0)
            break;
        for (ssize_t at = 0; at < got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            if ((event->len > 0 && m_zoneName == event->name) || (event->mask & IN_Q_OVERFLOW))
                zoneChanged = true;
            at += ssize_t(sizeof(inotify_event) + event->len);
        }
    }
    if (!zoneChanged)
        return;
    // The C library reads a zone file TZ names once and again only when TZ itself changes: it is changed
    // for a moment, so that the next local time comes from the new file.
    if (const char* tz = std::getenv("TZ")) {
        const std::string named = tz;
        ::setenv("TZ", "UTC0", 1);
        ::tzset();
        ::setenv("TZ", named.c_str(), 1);
        ::tzset();
    }
    // One announcement for what one replacement does (a link removed and made again, a rename).
    announce(ClockChange::TimeZoneChanged);
}

} // namespace halvo::linuxbackend
