#pragma once

// The once-a-second evaluation of the schedule: due-day rule, crossing detector, and firing through the
// reminder dialog or at once. The Schedule page's timer calls Tick(); tests call it with the fake clock.

#include "Schedule.h"

#include <functional>
#include <memory>
#include <vector>

namespace halvo {

// How a reminder ended: run the action ("Execute It!" or the countdown ran out), cancel it, or put it off.
enum class ReminderAnswer { Execute, Cancel, Postpone };

// The execution reminder as the evaluation sees it.
class ReminderDialog {
public:
    virtual ~ReminderDialog() = default;
    virtual void SetLabel2(const std::string& text) = 0;
    // A line under the task's name, for an action that runs late: "(due at 22:30:00)".
    virtual void SetDueLine(const std::string& text) = 0;
    // Shows the dialog modally. Timers keep ticking meanwhile, so Tick() may be entered again from inside
    // this call.
    virtual ReminderAnswer ShowModal() = 0;
};

struct ScheduleHooks {
    // The main window's Remind flag, read at every firing.
    std::function<bool()> remind;
    std::function<std::unique_ptr<ReminderDialog>()> createReminder;
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

    // The reminders open right now, in the order they opened.
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
