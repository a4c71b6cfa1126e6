#pragma once

// The General page's one pending timed action: a kind of task to run once, either after a delay counted
// in ticks of the once-a-second timer or on the first tick that reached a time of day. It holds no timer
// of its own; whoever ticks it runs the task when a tick says it is due.

#include "platform/Platform.h"

#include <cstdint>

namespace halvo {

class TSimpleAction {
public:
    enum class TMode : std::uint8_t { Idle, After, At };

    // Runs the kind with taskCode after seconds: the tick that finds the count at 0 is due, so 0 seconds
    // is due on the first tick.
    void ArmAfter(std::int32_t taskCode, std::int32_t seconds);
    // Runs the kind with taskCode on the first tick whose clock reached hour:minute:second since the tick
    // before it (or since now, for the first tick).
    void ArmAt(std::int32_t taskCode, std::int32_t hour, std::int32_t minute, std::int32_t second,
               const LocalTime& now);
    void Disarm() { m_mode = TMode::Idle; }
    // Another kind runs when the armed action comes due; the timing stays.
    void SetTaskCode(std::int32_t taskCode) { m_taskCode = taskCode; }

    // One tick of the timer at the clock's time now. True when the action is due now; it is then
    // disarmed, so it fires once.
    bool Tick(const LocalTime& now);

    bool Armed() const { return m_mode != TMode::Idle; }
    TMode Mode() const { return m_mode; }
    std::int32_t TaskCode() const { return m_taskCode; }
    std::int32_t CountDown() const { return m_countDown; }
    std::int32_t Hour() const { return m_hour; }
    std::int32_t Minute() const { return m_minute; }
    std::int32_t Second() const { return m_second; }

    // The hour of day for an hour read on a 12-hour clock: 12 AM is 0, 12 PM is 12. Hours outside 1 to 12
    // are taken as they are (PM adding 12), so they name a time the clock never shows.
    static std::int32_t HourOf12HourClock(std::int32_t hour, bool pm);

private:
    TMode m_mode = TMode::Idle;
    std::int32_t m_taskCode = 0;
    std::int32_t m_countDown = 0;
    std::int32_t m_hour = 0;
    std::int32_t m_minute = 0;
    std::int32_t m_second = 0;
    // The clock at the previous tick of an At action (or when it was armed), in wall-clock seconds.
    long long m_lastCheck = 0;
};

} // namespace halvo
