#include "ConditionRule.h"
#include "platform/Translate.h"

#include <algorithm>
#include <cmath>

namespace halvo {

namespace {

// Counters that went down since the last reading were reset (the interface went away and came back): what
// they show now is what passed since the reset.
std::uint64_t grown(std::uint64_t now, std::uint64_t before) {
    return now >= before ? now - before : now;
}

std::string rounded(long double value) {
    return std::to_string(std::llround(value));
}

} // namespace

ConditionRule::ConditionRule(ConditionSpec spec)
    : m_spec(std::move(spec)), m_readsFrom(RowOf(m_spec.kind).reading) {}

void ConditionRule::fail(const std::string& failure) {
    m_holds = false;
    m_reading = FillIn(Translate("Conditions", "reading failed: %1"),
                       {failure.empty() ? Translate("Conditions", "no reason given") : failure});
    m_lastMs.reset();
    clearWindow();
}

void ConditionRule::restart(std::int64_t elapsedMs) {
    m_holds = false;
    m_reading = Translate("Conditions", "measuring");
    m_lastMs = elapsedMs;
    clearWindow();
}

void ConditionRule::clearWindow() {
    m_window.clear();
    m_windowAmount = m_windowOutOf = 0;
}

void ConditionRule::add(std::int64_t elapsedMs, std::uint64_t amount, std::uint64_t outOf) {
    m_window.push_back({*m_lastMs, amount, outOf});
    m_windowAmount += amount;
    m_windowOutOf += outOf;
    m_lastMs = elapsedMs;
    const std::int64_t windowMs = std::int64_t(m_spec.minutes) * 60000;
    while (m_window.size() > 1 && elapsedMs - m_window[1].startMs >= windowMs) {
        m_windowAmount -= m_window.front().amount;
        m_windowOutOf -= m_window.front().outOf;
        m_window.pop_front();
    }
    const long double sumAmount = m_windowAmount, sumOutOf = m_windowOutOf;
    bool below = false;
    if (m_readsFrom == ConditionReading::ProcessorTimes)
        below = sumOutOf > 0 && sumAmount * 100 < sumOutOf * m_spec.percent;
    else // bytes over milliseconds against KB/s
        below = sumOutOf > 0 && sumAmount * 1000 < sumOutOf * m_spec.kilobytesPerSecond * 1024;
    m_holds = elapsedMs - m_window.front().startMs >= windowMs && below;
}

void ConditionRule::Feed(std::int64_t elapsedMs, const Reading<ProcessorTimes>& reading) {
    if (m_readsFrom != ConditionReading::ProcessorTimes)
        return;
    if (!reading.value)
        return fail(reading.failure);
    if (m_lastMs && elapsedMs <= *m_lastMs)
        return; // no time has passed to judge
    const ProcessorTimes times = *reading.value;
    const ProcessorTimes last = std::exchange(m_lastTimes, times);
    if (!m_lastMs || elapsedMs - *m_lastMs > ConditionSampleGapMs || times.busy < last.busy ||
        times.total < last.total)
        return restart(elapsedMs);
    const std::uint64_t total = times.total - last.total;
    const std::uint64_t busy = std::min(times.busy - last.busy, total);
    if (total > 0)
        m_reading = FillIn(Translate("Conditions", "now %1%"), {rounded(100.0L * busy / total)});
    add(elapsedMs, busy, total);
}

void ConditionRule::Feed(std::int64_t elapsedMs, const Reading<std::vector<InterfaceBytes>>& reading) {
    if (m_readsFrom != ConditionReading::NetworkBytes)
        return;
    if (!reading.value)
        return fail(reading.failure);
    if (m_lastMs && elapsedMs <= *m_lastMs)
        return; // no time has passed to judge
    // An interface seen for the first time brings nothing to this interval; one that went away, nothing.
    // The interfaces mostly come in the same order: each is looked for in its last place first.
    std::uint64_t bytes = 0;
    const std::vector<InterfaceBytes>& interfaces = *reading.value;
    for (std::size_t i = 0; i < interfaces.size(); ++i) {
        const InterfaceBytes& interface = interfaces[i];
        const auto sameName = [&](const InterfaceBytes& last) { return last.name == interface.name; };
        const auto before = i < m_lastBytes.size() && sameName(m_lastBytes[i])
                                ? m_lastBytes.begin() + std::ptrdiff_t(i)
                                : std::find_if(m_lastBytes.begin(), m_lastBytes.end(), sameName);
        if (before != m_lastBytes.end())
            bytes += grown(interface.received, before->received) + grown(interface.sent, before->sent);
    }
    m_lastBytes = interfaces;
    if (!m_lastMs || elapsedMs - *m_lastMs > ConditionSampleGapMs)
        return restart(elapsedMs);
    const std::int64_t durationMs = elapsedMs - *m_lastMs;
    m_reading =
        FillIn(Translate("Conditions", "now %1 KB/s"), {rounded(bytes * 1000.0L / durationMs / 1024)});
    add(elapsedMs, bytes, std::uint64_t(durationMs));
}

void ConditionRule::FeedIdle(const Reading<std::int64_t>& idleMs) {
    if (m_readsFrom != ConditionReading::UserIdle)
        return;
    if (!idleMs.value)
        return fail(idleMs.failure);
    const std::int64_t idle = std::max<std::int64_t>(*idleMs.value, 0);
    m_holds = idle >= std::int64_t(m_spec.minutes) * 60000;
    m_reading = idle < 60000 ? FillIn(Translate("Conditions", "idle %1 s"), {std::to_string(idle / 1000)})
                             : FillIn(Translate("Conditions", "idle %1 min"), {std::to_string(idle / 60000)});
}

void ConditionRule::Feed(const Reading<PowerSource>& reading) {
    if (m_readsFrom != ConditionReading::PowerSource)
        return;
    if (!reading.value)
        return fail(reading.failure);
    if (!std::isfinite(reading.value->percent))
        return fail(Translate("Conditions", "the battery's charge is unknown"));
    // Judged on the whole percent shown, so "battery 15%" never sits beside a condition of 15% not held.
    const long long percent = std::llround(std::clamp(reading.value->percent, 0.0, 100.0));
    m_holds = reading.value->onBattery && percent <= m_spec.percent;
    m_reading = FillIn(reading.value->onBattery ? Translate("Conditions", "battery %1%")
                                                : Translate("Conditions", "battery %1%, charging"),
                       {std::to_string(percent)});
}

void ConditionRule::FeedProcessesLeft(std::size_t left) {
    if (m_readsFrom != ConditionReading::ProcessEnds || m_ended)
        return;
    m_ended = left == 0;
    m_holds = m_ended;
    m_reading = m_ended     ? Translate("Conditions", "ended")
                : left == 1 ? Translate("Conditions", "running")
                            : FillIn(Translate("Conditions", "%1 running"), {std::to_string(left)});
}

} // namespace halvo
