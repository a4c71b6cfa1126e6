#include "SimpleAction.h"

#include "WallClock.h"

#include <algorithm>
#include <limits>

namespace halvo {

void TSimpleAction::ArmAfter(std::int32_t taskCode, std::int32_t seconds) {
    m_taskCode = taskCode;
    m_countDown = seconds;
    m_mode = TMode::After;
}

void TSimpleAction::ArmAt(std::int32_t taskCode, std::int32_t hour, std::int32_t minute, std::int32_t second,
                          const LocalTime& now) {
    m_taskCode = taskCode;
    m_hour = hour;
    m_minute = minute;
    m_second = second;
    m_lastCheck = WallSecondsOf(now);
    m_mode = TMode::At;
}

std::int32_t TSimpleAction::HourOf12HourClock(std::int32_t hour, bool pm) {
    const long long hourOfDay = pm ? (hour == 12 ? 12LL : hour + 12LL) : (hour == 12 ? 0LL : hour);
    return std::int32_t(std::min<long long>(hourOfDay, std::numeric_limits<std::int32_t>::max()));
}

bool TSimpleAction::Tick(const LocalTime& clock) {
    switch (m_mode) {
    case TMode::Idle:
        return false;
    case TMode::After:
        if (m_countDown > 0) {
            --m_countDown;
            return false;
        }
        m_mode = TMode::Idle;
        return true;
    case TMode::At:
        break;
    }

    // Due on the first tick whose time of day has reached the armed time since the previous tick, so a late
    // tick or a computer that slept through the moment still fires instead of waiting a day.
    const long long now = WallSecondsOf(clock);
    const long long previous = m_lastCheck;
    m_lastCheck = now;
    if (m_hour < 0 || m_hour > 23 || m_minute < 0 || m_minute > 59 || m_second < 0 || m_second > 59)
        return false; // a time the clock never shows
    const long long target = m_hour * 3600LL + m_minute * 60LL + m_second;
    const long long elapsed = now - previous;
    bool reached = SecondOfDay(now) == target;
    if (!reached && elapsed >= SecondsPerDay) {
        reached = true;
    } else if (!reached && elapsed > 0) {
        // A clock set back (elapsed <= 0) reaches nothing new.
        const long long ahead = SecondOfDay(target - SecondOfDay(previous));
        reached = ahead > 0 && ahead <= elapsed;
    }
    if (reached)
        m_mode = TMode::Idle;
    return reached;
}

} // namespace halvo
