#include "ScheduleEvaluator.h"

#include "Agenda.h"
#include "platform/Platform.h"

#include <list>

namespace halvo {

struct ScheduleEvaluator::Impl {
    struct OpenReminder {
        // Shared with the tick that shows it, so the dialog outlives an evaluator destroyed meanwhile.
        std::shared_ptr<ReminderDialog> dialog;
    };
    // Every reminder that is open, oldest first. A list, so a tick inside a tick can add and remove its
    // own entry while an outer tick holds on to another one.
    std::list<OpenReminder> openReminders;
    // Cleared by the destructor; a tick that waited in a reminder looks at it before it goes on.
    std::shared_ptr<bool> alive = std::make_shared<bool>(true);
};

ScheduleEvaluator::ScheduleEvaluator(TScheduleManager& manager, ScheduleHooks hooks)
    : m_manager(manager), m_hooks(std::move(hooks)), m_impl(std::make_unique<Impl>()) {}

ScheduleEvaluator::~ScheduleEvaluator() {
    *m_impl->alive = false;
}

std::size_t ScheduleEvaluator::OpenReminderCount() const {
    return m_impl->openReminders.size();
}

void ScheduleEvaluator::Tick() {
    if (m_manager.Count() == 0)
        return;
    const std::shared_ptr<bool> alive = m_impl->alive;
    const int count = m_manager.Count();
    // Read once per tick, and again after a firing, which may have waited a minute in its reminder.
    LocalTime clock = platform().clock().localTime();
    // The set of items cannot change while a reminder is open, but the bound is checked anyway so an
    // outer tick can never step past the end.
    for (int i = 0; i < count && i < m_manager.Count(); ++i) {
        TScheduleItem& item = m_manager.Item(i);
        item.UpdateDueToday(DayOf(WallSecondsOf(clock)));
        // Every item the evaluation has seen is stored as active, as files have always held it.
        item.Active = true;
        if (!item.DueToday)
            continue;
        if (!item.TimeRule.CheckCrossing(clock))
            continue;
        // An item read with an unknown task code has nothing to run; its crossing state moved anyway.
        if (!item.Task)
            continue;
        fire(item, clock);
        if (!*alive)
            return;
        clock = platform().clock().localTime();
    }
}

void ScheduleEvaluator::fire(TScheduleItem& item, const LocalTime& clock) {
    const std::shared_ptr<bool> alive = m_impl->alive;
    if (m_hooks.fired) {
        m_hooks.fired(item);
        if (!*alive)
            return;
    }
    // Its time went by while the computer slept, was off or the clock jumped: the user is asked first, even
    // with reminders off, and told when it was due.
    const WallSeconds now = WallSecondsOf(clock);
    const WallSeconds due = ShownWallTime(DayOf(now) * SecondsPerDay + item.TimeRule.TimeOfDaySecond());
    const bool late = IsMissed(due, now);
    const bool remind = late || (m_hooks.remind && m_hooks.remind());
    std::shared_ptr<ReminderDialog> dialog;
    if (remind && m_hooks.createReminder)
        dialog = m_hooks.createReminder();
    if (!dialog) {
        item.Task->Run();
        return;
    }

    const auto entry = m_impl->openReminders.insert(m_impl->openReminders.end(), {dialog});
    dialog->SetLabel2(item.Task->Name);
    if (late)
        dialog->SetDueLine(DueLineText(due));
    const ReminderAnswer result = dialog->ShowModal();
    if (!*alive)
        return;
    m_impl->openReminders.erase(entry);
    // While the reminder was open the item may have been changed or taken out of the schedule.
    if (m_manager.IndexOf(&item) < 0 || !item.Task)
        return;
    if (result == ReminderAnswer::Execute)
        item.Task->Run();
    else if (result == ReminderAnswer::Postpone && m_hooks.postpone)
        m_hooks.postpone(item);
}

} // namespace halvo
