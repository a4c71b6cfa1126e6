#include "ScheduleEvaluator.h"

#include "Agenda.h"
#include "platform/Platform.h"

namespace halvo {

struct ScheduleEvaluator::Impl {
    std::size_t openReminders = 0;
    // Cleared by the destructor: a reminder answered after the evaluator went runs nothing.
    std::shared_ptr<bool> alive = std::make_shared<bool>(true);
};

ScheduleEvaluator::ScheduleEvaluator(TScheduleManager& manager, ScheduleHooks hooks)
    : m_manager(manager), m_hooks(std::move(hooks)), m_impl(std::make_unique<Impl>()) {}

ScheduleEvaluator::~ScheduleEvaluator() {
    *m_impl->alive = false;
}

std::size_t ScheduleEvaluator::OpenReminderCount() const {
    return m_impl->openReminders;
}

void ScheduleEvaluator::Tick() {
    if (m_manager.Count() == 0)
        return;
    const std::shared_ptr<bool> alive = m_impl->alive;
    const int count = m_manager.Count();
    // Read once per tick, and again after a firing, whose hook may have taken a while to store.
    LocalTime clock = platform().clock().localTime();
    // A task run at once may change the schedule (a message box is answered meanwhile): the bound is
    // checked at each step.
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
    if (!remind || !m_hooks.openReminder) {
        item.Task->Run();
        return;
    }
    ++m_impl->openReminders;
    TScheduleItem* fired = &item;
    m_hooks.openReminder(ShownTaskName(*item.Task), late ? DueLineText(due) : std::string(),
                         [this, alive, fired](ReminderAnswer answer) {
                             if (!*alive)
                                 return;
                             --m_impl->openReminders;
                             // While the reminder was open the item may have been changed or taken out of
                             // the schedule.
                             if (m_manager.IndexOf(fired) < 0 || !fired->Task)
                                 return;
                             if (answer == ReminderAnswer::Execute)
                                 fired->Task->Run();
                             else if (answer == ReminderAnswer::Postpone && m_hooks.postpone)
                                 m_hooks.postpone(*fired);
                         });
}

} // namespace halvo
