#pragma once

// The evaluation of the schedule: due-day rule, crossing detector, and firing through the reminder or at
// once. The engine's planner calls Tick() when an item may be due; tests call it with the fake clock.

#include "Schedule.h"

#include <functional>
#include <memory>
#include <vector>

namespace halvo {

// How a reminder ended: run the action ("Execute It!" or the countdown ran out), cancel it, or put it off.
enum class ReminderAnswer { Execute, Cancel, Postpone };

struct ScheduleHooks {
    // The main window's Remind flag, read at every firing.
    std::function<bool()> remind;
    // Opens the reminder of a fired item, named label, with dueLine under it for one that runs late, and
    // returns at once; answered is called once, later, with the user's answer.
    std::function<void(const std::string& label, const std::string& dueLine,
                       std::function<void(ReminderAnswer)> answered)>
        openReminder;
    // Called when an item has fired (its CrossState already moved) and before its task runs or its
    // reminder opens: the page stores the schedule here, so a forced shutdown cannot make it fire twice.
    std::function<void(TScheduleItem& item)> fired;
    // The reminder of item was answered with "Postpone 10 min" (the item itself stays as it is).
    std::function<void(TScheduleItem& item)> postpone;
};

class ScheduleEvaluator {
public:
    ScheduleEvaluator(TScheduleManager& manager, ScheduleHooks hooks);
    ~ScheduleEvaluator();

    // One tick of the schedule timer, at the platform's current local time.
    void Tick();

    // The reminders open right now.
    std::size_t OpenReminderCount() const;

private:
    // Runs the item's task, at once or after its reminder; the item's crossing state has moved already.
    void fire(TScheduleItem& item, const LocalTime& clock);

    TScheduleManager& m_manager;
    ScheduleHooks m_hooks;
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace halvo
