#include "ConditionWatch.h"
#include "platform/Translate.h"

#include <algorithm>

namespace halvo {

namespace {

void feed(ConditionRule& rule, std::int64_t elapsedMs, const Reading<ProcessorTimes>& reading) {
    rule.Feed(elapsedMs, reading);
}
void feed(ConditionRule& rule, std::int64_t elapsedMs, const Reading<std::vector<InterfaceBytes>>& reading) {
    rule.Feed(elapsedMs, reading);
}
void feed(ConditionRule& rule, std::int64_t, const Reading<std::int64_t>& reading) {
    rule.FeedIdle(reading);
}
void feed(ConditionRule& rule, std::int64_t, const Reading<PowerSource>& reading) {
    rule.Feed(reading);
}

} // namespace

ConditionWatch::ConditionWatch(Activity& activity, std::vector<ConditionSpec> specs,
                               std::function<void()> changed)
    : m_activity(activity), m_changed(std::move(changed)), m_self(std::make_shared<ConditionWatch*>(this)) {
    for (ConditionSpec& spec : specs)
        m_rules.emplace_back(std::move(spec));
    m_state.resize(m_rules.size());
}

ConditionWatch::~ConditionWatch() {
    for (const Programs& programs : m_state)
        for (std::uint32_t processId : programs.running)
            m_activity.stopWatching(processId);
}

void ConditionWatch::Start(std::int64_t elapsedMs, std::function<void(const std::string& failure)> ready) {
    const std::weak_ptr<ConditionWatch*> alive = m_self;
    m_ready = std::move(ready);
    m_started = false;
    m_startFailures.assign(m_rules.size(), {});
    // One more than the answers awaited, so answers that come at once cannot finish the start early.
    m_startAwaited = m_rules.size() + 1;
    for (std::size_t i = 0; i < m_rules.size(); ++i) {
        const ConditionSpec& spec = m_rules[i].Spec();
        if (RowOf(spec.kind).reading != ConditionReading::ProcessEnds) {
            request(i, elapsedMs);
        } else {
            std::string failure;
            if (spec.program.empty()) {
                watch(i, spec.processId, failure);
            } else {
                const std::vector<std::uint32_t> ids = m_activity.processesRunning(spec.program);
                if (ids.empty())
                    failure = FillIn(Translate("Conditions", "%1 is not running"), {spec.program});
                m_adding = true;
                bool any = false;
                for (std::uint32_t id : ids) {
                    std::string why;
                    any = watch(i, id, why) || any;
                    if (failure.empty() && !any)
                        failure = why;
                }
                m_adding = false;
                if (any)
                    failure.clear();
            }
            if (failure.empty())
                m_rules[i].FeedProcessesLeft(m_state[i].running.size());
            answered(i, failure);
        }
        if (alive.expired())
            return;
    }
    answered(m_rules.size(), {});
}

void ConditionWatch::Sample(std::int64_t elapsedMs) {
    if (!m_started)
        return;
    const std::weak_ptr<ConditionWatch*> alive = m_self;
    for (std::size_t i = 0; i < m_rules.size() && !alive.expired(); ++i) {
        const ConditionSpec& spec = m_rules[i].Spec();
        if (RowOf(spec.kind).reading != ConditionReading::ProcessEnds)
            request(i, elapsedMs);
        else if (!spec.program.empty() && !m_rules[i].Holds())
            findPrograms(i);
    }
}

bool ConditionWatch::Holds() const {
    return m_started && !m_rules.empty() &&
           std::all_of(m_rules.begin(), m_rules.end(),
                       [](const ConditionRule& rule) { return rule.Holds(); });
}

std::string ConditionWatch::LiveReading() const {
    std::string text;
    for (const ConditionRule& rule : m_rules)
        text = text.empty() ? rule.LiveReading()
                            : FillIn(Translate("Conditions", "%1; %2"), {text, rule.LiveReading()});
    return text;
}

std::vector<std::string> ConditionWatch::LiveReadings() const {
    std::vector<std::string> readings;
    for (const ConditionRule& rule : m_rules)
        readings.push_back(rule.LiveReading());
    return readings;
}

void ConditionWatch::request(std::size_t index, std::int64_t elapsedMs) {
    if (m_state[index].pending)
        return;
    m_state[index].pending = true;
    const std::weak_ptr<ConditionWatch*> weak = m_self;
    const auto done = [weak, index, elapsedMs](const auto& reading) {
        const auto self = weak.lock();
        if (!self)
            return;
        ConditionWatch& watch = **self;
        watch.m_state[index].pending = false;
        feed(watch.m_rules[index], elapsedMs, reading);
        if (watch.m_startAwaited > 0)
            watch.answered(index, reading.value             ? std::string()
                                  : reading.failure.empty() ? Translate("Conditions", "no reason given")
                                                            : reading.failure);
        else
            watch.notify();
    };
    switch (RowOf(m_rules[index].Spec().kind).reading) {
    case ConditionReading::UserIdle:
        return m_activity.userIdle(done);
    case ConditionReading::ProcessorTimes:
        return m_activity.processorTimes(done);
    case ConditionReading::NetworkBytes:
        return m_activity.networkBytes(done);
    case ConditionReading::PowerSource:
        return m_activity.powerSource(done);
    case ConditionReading::ProcessEnds: // watched, not asked
        break;
    }
    m_state[index].pending = false;
}

bool ConditionWatch::watch(std::size_t index, std::uint32_t processId, std::string& failure) {
    Programs& programs = m_state[index];
    programs.running.insert(processId);
    const std::weak_ptr<ConditionWatch*> weak = m_self;
    const bool watched = m_activity.watchProcess(
        processId,
        [weak, index, processId] {
            const auto self = weak.lock();
            if (!self)
                return;
            ConditionWatch& watch = **self;
            watch.m_state[index].running.erase(processId);
            watch.m_state[index].ended.insert(processId);
            if (watch.m_adding)
                return;
            watch.m_rules[index].FeedProcessesLeft(watch.m_state[index].running.size());
            watch.notify();
        },
        failure);
    if (!watched) {
        programs.running.erase(processId);
        if (failure.empty())
            failure =
                FillIn(Translate("Conditions", "process %1 cannot be watched"), {std::to_string(processId)});
    }
    return watched;
}

void ConditionWatch::findPrograms(std::size_t index) {
    Programs& programs = m_state[index];
    m_adding = true;
    for (std::uint32_t id : m_activity.processesRunning(m_rules[index].Spec().program)) {
        std::string failure; // one that cannot be watched has most likely just ended
        if (!programs.running.count(id) && !programs.ended.count(id))
            watch(index, id, failure);
    }
    m_adding = false;
    m_rules[index].FeedProcessesLeft(programs.running.size());
    notify();
}

void ConditionWatch::answered(std::size_t index, const std::string& failure) {
    if (m_startAwaited == 0)
        return;
    if (index < m_rules.size() && !failure.empty())
        m_startFailures[index] = FillIn(Translate("Conditions", "cannot tell %1: %2"),
                                        {DescribeCondition(m_rules[index].Spec()), failure});
    if (--m_startAwaited > 0)
        return;
    std::string first;
    for (const std::string& reason : m_startFailures)
        if (first.empty())
            first = reason;
    m_started = first.empty();
    // Called last: the caller may drop the watch when it cannot arm.
    if (const auto ready = std::move(m_ready))
        ready(first);
}

void ConditionWatch::notify() {
    if (m_changed)
        m_changed();
}

} // namespace halvo
