#include "Agenda.h"
#include "platform/Translate.h"

#include "platform/Platform.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace halvo {

AgendaClock ReadAgendaClock() {
    WallClock& clock = platform().clock();
    const LocalTime now = clock.localTime();
    return {WallSecondsOf(now), now.milliseconds, clock.elapsedMs()};
}

std::int32_t HourOf12HourClock(std::int32_t hour, bool pm) {
    if (hour == 12)
        return pm ? 12 : 0;
    // Any hour a field holds: one past the clock's stays past it, and is refused by the caller.
    const long long hourOfDay = pm ? hour + 12LL : hour;
    return std::int32_t(std::min<long long>(hourOfDay, std::numeric_limits<std::int32_t>::max()));
}

bool IsMissed(WallSeconds due, WallSeconds now) {
    return SecondsBetween(due, now) > MissedAfterSeconds;
}

MissReason ReasonOfMiss(const std::optional<AgendaClock>& lastLook, const AgendaClock& now, bool resumed) {
    // Wall and elapsed clock apart by more than this: the wall clock was set.
    constexpr long long ClockSetMs = 2000;
    if (resumed || !lastLook)
        return MissReason::Asleep;
    const long long wallMoved = now.wallMs() - lastLook->wallMs();
    const long long timePassed = now.elapsedMs - lastLook->elapsedMs;
    return std::llabs(wallMoved - timePassed) > ClockSetMs ? MissReason::ClockChanged : MissReason::Asleep;
}

std::string PendingText(const UpcomingEntry& entry, const std::string& reading, WallSeconds now) {
    const bool reminding = entry.state == ActionState::Reminding;
    std::string when;
    if (!entry.condition.empty())
        when = reminding         ? Translate("Agenda", "in its reminder")
               : reading.empty() ? entry.condition
                                 : FillIn(Translate("Agenda", "%1 (%2)"), {entry.condition, reading});
    else
        when = reminding ? FillIn(Translate("Agenda", "in its reminder, due at %1"), {AtText(entry.due, now)})
                         : WhenText(entry.due, now);
    return FillIn(Translate("Agenda", "%1 %2"), {entry.label, when});
}

std::string MissedText(const MissedRun& run, WallSeconds now) {
    return FillIn(run.reason == MissReason::Asleep
                      ? Translate("Agenda", "Missed while the computer was asleep: %1 at %2")
                      : Translate("Agenda", "Missed while the clock changed: %1 at %2"),
                  {run.label, AtText(run.due, now)});
}

std::string DueLineText(WallSeconds due) {
    return FillIn(Translate("Agenda", "(due at %1)"), {DateTimeText(due).substr(11)});
}

AgendaEntry& TAgenda::add(ActionSource source, std::unique_ptr<TTask> task, std::string label) {
    auto entry = std::make_unique<AgendaEntry>();
    entry->id = m_nextId++;
    entry->source = source;
    entry->task = std::move(task);
    entry->label = std::move(label);
    m_entries.push_back(std::move(entry));
    return *m_entries.back();
}

bool TAgenda::ArmAfter(ActionSource source, std::int32_t taskCode, std::int32_t seconds,
                       const AgendaClock& now) {
    DisarmGeneral();
    auto task = TaskFromCode(taskCode);
    if (!task || seconds < 0)
        return false;
    std::string name = ShownTaskName(*task);
    AgendaEntry& entry = add(source, std::move(task), std::move(name));
    entry.timing = GeneralTiming{GeneralTiming::Mode::After, seconds, 0, 0, 0, {}};
    entry.dueElapsedMs = now.elapsedMs + std::int64_t(seconds) * 1000;
    entry.dueWall = now.wall + seconds;
    return true;
}

bool TAgenda::ArmAt(ActionSource source, std::int32_t taskCode, std::int32_t hour, std::int32_t minute,
                    std::int32_t second, const AgendaClock& now) {
    DisarmGeneral();
    auto task = TaskFromCode(taskCode);
    const long long target = hour * 3600LL + minute * 60LL + second;
    if (!task || target < 0 || target >= SecondsPerDay || minute < 0 || minute > 59 || second < 0 ||
        second > 59)
        return false;
    std::string name = ShownTaskName(*task);
    AgendaEntry& entry = add(source, std::move(task), std::move(name));
    entry.timing = GeneralTiming{GeneralTiming::Mode::At, 0, hour, minute, second, {}};
    // The next time the clock shows it: today while it lies ahead, else tomorrow.
    const WallSeconds day = now.wall - SecondOfDay(now.wall);
    entry.dueWall = ShownWallTime(day + target > now.wall ? day + target : day + SecondsPerDay + target);
    return true;
}

bool TAgenda::ArmWhen(ActionSource source, std::int32_t taskCode, std::vector<ConditionSpec> conditions,
                      const AgendaClock& now) {
    DisarmGeneral();
    auto task = TaskFromCode(taskCode);
    if (!task || conditions.empty())
        return false;
    std::string name = ShownTaskName(*task);
    AgendaEntry& entry = add(source, std::move(task), std::move(name));
    entry.timing = GeneralTiming{GeneralTiming::Mode::When, 0, 0, 0, 0, std::move(conditions)};
    entry.dueWall = now.wall;
    return true;
}

void TAgenda::ConditionsHeld(int id) {
    if (AgendaEntry* entry = Find(id); entry && entry->isConditional())
        entry->state = ActionState::Reminding;
}

void TAgenda::SetGeneralTask(std::int32_t taskCode) {
    for (auto& entry : m_entries)
        if (entry->isGeneral() && entry->state != ActionState::Reminding)
            if (auto task = TaskFromCode(taskCode)) {
                entry->label = ShownTaskName(*task);
                entry->task = std::move(task);
            }
}

void TAgenda::DisarmGeneral() {
    std::erase_if(m_entries, [](const auto& entry) { return entry->isGeneral(); });
}

const AgendaEntry* TAgenda::General() const {
    for (const auto& entry : m_entries)
        if (entry->isGeneral())
            return entry.get();
    return nullptr;
}

void TAgenda::Postpone(std::unique_ptr<TTask> task, std::string label, bool fromSchedule,
                       const AgendaClock& now) {
    if (!task)
        return;
    AgendaEntry& entry = add(ActionSource::Postponed, std::move(task), std::move(label));
    entry.fromSchedule = fromSchedule;
    entry.dueElapsedMs = now.elapsedMs + PostponeSeconds * 1000LL;
    entry.dueWall = now.wall + PostponeSeconds;
}

void TAgenda::CancelPostponed() {
    std::erase_if(m_entries, [](const auto& entry) { return entry->source == ActionSource::Postponed; });
}

bool TAgenda::HasPostponed() const {
    return std::any_of(m_entries.begin(), m_entries.end(),
                       [](const auto& entry) { return entry->source == ActionSource::Postponed; });
}

std::optional<WallSeconds> TAgenda::NextRun(const TScheduleItem& item, WallSeconds now) {
    if (!item.Task)
        return std::nullopt;
    return NextFiring(item.TimeRule, now);
}

WallSeconds TAgenda::DueWall(const AgendaEntry& entry, const AgendaClock& now) {
    if (!entry.dueElapsedMs || entry.state == ActionState::Reminding)
        return entry.dueWall;
    const long long wallMs = now.wallMs() + (*entry.dueElapsedMs - now.elapsedMs);
    // Rounded up: a moment 1.2 s ahead is shown at the second the clock reaches it.
    return wallMs >= 0 ? (wallMs + 999) / 1000 : -((-wallMs) / 1000);
}

std::vector<UpcomingEntry> TAgenda::Upcoming(const AgendaClock& now) const {
    std::vector<UpcomingEntry> result;
    const auto add = [&](const AgendaEntry& entry, const char* key, std::string condition) {
        result.push_back({key + std::to_string(entry.id), entry.label,
                          entry.task ? KindOfCode(entry.task->Code) : nullptr, DueWall(entry, now),
                          entry.source, entry.state, std::move(condition)});
    };
    for (const auto& entry : m_entries)
        if (entry->isGeneral())
            add(*entry, "general ",
                entry->isConditional() ? DescribeConditions(entry->timing->conditions) : std::string());
    for (const auto& entry : m_entries)
        if (!entry->isGeneral())
            add(*entry, "postponed ", {});
    if (m_schedule)
        for (int i = 0; i < m_schedule->Count(); ++i) {
            const TScheduleItem& item = m_schedule->Item(i);
            const auto next = NextRun(item, now.wall);
            if (!next)
                continue;
            result.push_back(
                {"schedule " + std::to_string(reinterpret_cast<std::uintptr_t>(&item)),
                 FillIn(Translate("Agenda", "'%1': %2"), {item.ItemName, ShownTaskName(*item.Task)}),
                 KindOfCode(item.Task->Code),
                 *next,
                 ActionSource::ScheduleItem,
                 ActionState::Waiting,
                 {}});
        }
    return result;
}

namespace {

// How late the entry is now, in milliseconds (below zero while it lies ahead).
long long lateness(const AgendaEntry& entry, const AgendaClock& now) {
    if (entry.dueElapsedMs)
        return now.elapsedMs - *entry.dueElapsedMs;
    return SecondsBetween(entry.dueWall, now.wall) * 1000 + now.milliseconds;
}

} // namespace

TAgenda::Look TAgenda::TakeDue(const AgendaClock& now, MissReason reason) {
    Look look;
    for (auto entry = m_entries.begin(); entry != m_entries.end();) {
        AgendaEntry& e = **entry;
        const long long late = e.state == ActionState::Reminding || e.isConditional() ? -1 : lateness(e, now);
        if (late < 0) {
            ++entry;
            continue;
        }
        if (late > MissedAfterSeconds * 1000) {
            look.missed.push_back({e.label, DueWall(e, now), reason});
            entry = m_entries.erase(entry);
            continue;
        }
        // Shown from now on at the moment it came due, not at the moment the reminder ends.
        e.dueWall = DueWall(e, now);
        e.state = ActionState::Reminding;
        look.due.push_back(e.id);
        ++entry;
    }
    return look;
}

AgendaEntry* TAgenda::Find(int id) {
    for (auto& entry : m_entries)
        if (entry->id == id)
            return entry.get();
    return nullptr;
}

std::unique_ptr<TTask> TAgenda::Finish(int id) {
    for (auto entry = m_entries.begin(); entry != m_entries.end(); ++entry)
        if ((*entry)->id == id) {
            std::unique_ptr<TTask> task = std::move((*entry)->task);
            m_entries.erase(entry);
            return task;
        }
    return nullptr;
}

std::vector<std::string> TAgenda::Warnings(const AgendaClock& now) {
    std::vector<UpcomingAction> actions;
    for (const UpcomingEntry& entry : Upcoming(now))
        if (entry.state != ActionState::Reminding && entry.condition.empty())
            actions.push_back({entry.key, entry.label, entry.kind && entry.kind->WarnsAhead, entry.due});
    std::vector<std::string> texts = m_warnings.Check(actions, now.wall);
    for (auto& entry : m_entries)
        if (entry->state == ActionState::Waiting && !entry->isConditional() && entry->task &&
            KindOfCode(entry->task->Code) && KindOfCode(entry->task->Code)->WarnsAhead &&
            SecondsBetween(now.wall, DueWall(*entry, now)) <= TAheadWarnings::Lead)
            entry->state = ActionState::Warned;
    return texts;
}

std::optional<std::int64_t> TAgenda::MsUntilNext(const AgendaClock& now) const {
    std::optional<std::int64_t> next;
    const auto consider = [&next](long long ms) {
        ms = std::max(0LL, ms);
        if (!next || ms < *next)
            next = ms;
    };
    const auto wallMsUntil = [&now](WallSeconds due) {
        return SecondsBetween(now.wall, due) * 1000 - now.milliseconds;
    };
    for (const auto& entry : m_entries) {
        if (entry->state == ActionState::Reminding || entry->isConditional())
            continue;
        consider(entry->dueElapsedMs ? *entry->dueElapsedMs - now.elapsedMs : wallMsUntil(entry->dueWall));
    }
    for (const UpcomingEntry& entry : Upcoming(now)) {
        const bool warns = entry.kind && entry.kind->WarnsAhead && entry.state == ActionState::Waiting &&
                           entry.condition.empty();
        if (entry.source != ActionSource::ScheduleItem && !warns)
            continue;
        const long long until = wallMsUntil(entry.due);
        if (entry.source == ActionSource::ScheduleItem)
            consider(until);
        // The five-minute warning of what ends the session, while it is still to come.
        if (warns && until - TAheadWarnings::Lead * 1000 > 0)
            consider(until - TAheadWarnings::Lead * 1000);
    }
    return next;
}

} // namespace halvo
