#pragma once

// Whether one condition holds, judged from the readings fed to it, and the live reading the user sees
// beside it. Pure: the caller takes the readings and passes the elapsed clock (milliseconds that keep
// counting across sleep) of each.
//
// The processor and the network are judged over a quiet window: the average over the last N minutes must
// be below the limit, and the condition never holds before N minutes of samples exist, so a download that
// stalls for a moment does not end the session. A failed reading never counts as zero: it does not hold,
// and the window starts again from the next good reading. So does a gap between two readings far longer
// than the sampling period (the computer slept, or the caller stalled): what happened in it is unknown.

#include "model/Conditions.h"
#include "platform/Activity.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace halvo {

inline constexpr std::int64_t ConditionSamplePeriodMs = 5000;
// Longer than this between two readings and the window starts again.
inline constexpr std::int64_t ConditionSampleGapMs = 60000;

class ConditionRule {
public:
    explicit ConditionRule(ConditionSpec spec);

    // Readings of another kind than the one the condition's row names are ignored.
    void Feed(std::int64_t elapsedMs, const Reading<ProcessorTimes>& reading);
    void Feed(std::int64_t elapsedMs, const Reading<std::vector<InterfaceBytes>>& reading);
    void FeedIdle(const Reading<std::int64_t>& idleMs);
    void Feed(const Reading<PowerSource>& reading);
    // A program: how many of the watched processes are left. Once none is, the program has exited and the
    // condition holds from then on.
    void FeedProcessesLeft(std::size_t left);

    bool Holds() const { return m_holds; }
    // "now 812 KB/s", "now 7%", "idle 3 min", "battery 40%, charging", "2 running", "ended",
    // "reading failed: REASON"; "measuring" until a rate has two readings to compare.
    const std::string& LiveReading() const { return m_reading; }
    const ConditionSpec& Spec() const { return m_spec; }

private:
    // One interval between two readings: how much happened (busy time, bytes) out of how much (all
    // processor time, milliseconds).
    struct Interval {
        std::int64_t startMs = 0;
        std::uint64_t amount = 0;
        std::uint64_t outOf = 0;
    };
    void fail(const std::string& failure);
    void restart(std::int64_t elapsedMs);
    void clearWindow();
    // Adds an interval ending at elapsedMs and judges the window.
    void add(std::int64_t elapsedMs, std::uint64_t amount, std::uint64_t outOf);

    ConditionSpec m_spec;
    ConditionReading m_readsFrom; // the readings fed that count, from the condition's row
    bool m_holds = false;
    std::string m_reading = "measuring";
    std::optional<std::int64_t> m_lastMs; // the last good reading of a rate, none after a failure
    std::deque<Interval> m_window;
    std::uint64_t m_windowAmount = 0, m_windowOutOf = 0; // the window's sums, kept as it slides
    ProcessorTimes m_lastTimes;
    std::vector<InterfaceBytes> m_lastBytes;
    bool m_ended = false;
};

} // namespace halvo
