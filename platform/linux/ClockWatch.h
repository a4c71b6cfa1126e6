#pragma once

// Turns what Linux announces about the wall clock into ClockChange calls on the interface thread: logind's
// PrepareForSleep on the system bus, a CLOCK_REALTIME timer that the kernel cancels whenever the clock is
// set, and the zone file's folder watched with inotify. Nothing here polls.

#include "platform/Platform.h"

#include <QObject>

#include <functional>
#include <string>

class QSocketNotifier;

namespace halvo::linuxbackend {

// The file the C library reads the local time zone from: the one TZ names (":/path", "/path", or a name
// under $TZDIR or /usr/share/zoneinfo), else /etc/localtime. Empty when TZ is set to a rule or to nothing,
// which no file can change.
std::string ZoneFile(const char* tz, const char* tzdir);

class ClockWatch final : public QObject {
    Q_OBJECT
public:
    explicit ClockWatch(std::function<void(ClockChange)> notify);
    ~ClockWatch() override;
    ClockWatch(const ClockWatch&) = delete;
    ClockWatch& operator=(const ClockWatch&) = delete;

    // Announces nothing more; for a watch ended from within its own announcement, which is deleted later.
    void stop();
    bool announcing() const { return m_announcing; }

private slots:
    void prepareForSleep(bool start);

private:
    void armSetTimer();
    void readSetTimer();
    void readZoneEvents();
    void announce(ClockChange change);

    std::function<void(ClockChange)> m_notify;
    int m_setTimer = -1;
    QSocketNotifier* m_setTimerNotifier = nullptr;
    int m_zoneEvents = -1;
    QSocketNotifier* m_zoneNotifier = nullptr;
    std::string m_zoneName; // the zone file's name within its folder
    bool m_announcing = false;
};

} // namespace halvo::linuxbackend
