#pragma once

// The conditions an armed action waits for, all of which must hold, watched through the system's
// Activity. The caller starts the watch when it arms the action and calls Sample every five seconds (by
// the elapsed clock) while it stays armed; readings only ever come from those calls, so nothing is sampled
// while nothing waits. A program's end comes between samples, through its process watch.

#include "model/ConditionRule.h"
#include "model/Conditions.h"
#include "platform/Activity.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace halvo {

class ConditionWatch {
public:
    // changed is called after every answer that may change Holds() or the live reading.
    ConditionWatch(Activity& activity, std::vector<ConditionSpec> specs, std::function<void()> changed = {});
    // Stops the process watches; answers still on their way are dropped.
    ~ConditionWatch();
    ConditionWatch(const ConditionWatch&) = delete;
    ConditionWatch& operator=(const ConditionWatch&) = delete;

    // Takes the first readings and watches the programs. ready is called once, possibly before Start
    // returns: with an empty text when every condition can be told, else with the reason for the first
    // that cannot ("cannot tell when the battery is below 15%: no battery"); the caller then does not arm.
    void Start(std::int64_t elapsedMs, std::function<void(const std::string& failure)> ready);
    void Sample(std::int64_t elapsedMs);

    // False until Start has answered without a failure.
    bool Holds() const;
    // The conditions' live readings in order, joined with "; ": "now 812 KB/s; now 7%".
    std::string LiveReading() const;
    // Each condition's own, in order.
    std::vector<std::string> LiveReadings() const;

private:
    struct Programs {
        std::set<std::uint32_t> running; // watched and not yet ended
        std::set<std::uint32_t> ended;
        bool pending = false; // a reading was asked for and has not come yet: no second one meanwhile
    };
    void request(std::size_t index, std::int64_t elapsedMs);
    bool watch(std::size_t index, std::uint32_t processId, std::string& failure);
    void findPrograms(std::size_t index);
    void answered(std::size_t index, const std::string& failure);
    void notify();

    Activity& m_activity;
    std::vector<ConditionRule> m_rules;
    std::vector<Programs> m_state; // one per rule
    std::function<void()> m_changed;
    std::function<void(const std::string&)> m_ready;
    std::vector<std::string> m_startFailures;
    std::size_t m_startAwaited = 0;
    bool m_started = false;
    bool m_adding = false; // processes are being added: an end meanwhile is counted after
    // Answers hold it weakly, so one that comes after the watch is gone finds nothing.
    std::shared_ptr<ConditionWatch*> m_self;
};

} // namespace halvo
