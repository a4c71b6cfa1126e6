#pragma once

// Everything that will run: the General action (armed on the General page or from the command line), the
// runs put off from their reminder, and the schedule items' next firings. Due times are worked out here and
// nowhere else: the tray, --status, the Schedule page's "Next run", the five-minute warning and the planner
// that wakes the program all read them.
//
// Two clocks: the wall clock, which a user or the time service may set, and the elapsed clock, which goes
// on counting while the computer sleeps and which nobody sets. "After" counts on the elapsed clock, so time
// asleep counts and a clock set by hand does not move it; "At" and the schedule go by the wall clock.

#include "Conditions.h"
#include "NextRun.h"
#include "Schedule.h"
#include "Tasks.h"
#include "WallClock.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace halvo {

enum class ActionSource { GeneralPage, CommandLine, ScheduleItem, Postponed };
enum class ActionState { Waiting, Warned, Reminding };
// Why a moment went by without the program there to act on it.
enum class MissReason { Asleep, ClockChanged };

struct AgendaClock {
    WallSeconds wall = 0;
    int milliseconds = 0;
    std::int64_t elapsedMs = 0;
    long long wallMs() const { return wall * 1000 + milliseconds; }
};
// The platform's clocks now.
AgendaClock ReadAgendaClock();

// How the General action is timed, as its page shows it: after a delay, at a time of day, or when
// conditions hold (which have no moment).
struct GeneralTiming {
    enum class Mode { After, At, When };
    Mode mode = Mode::After;
    std::int32_t seconds = 0; // After
    std::int32_t hour = 0;    // At, 0 to 23
    std::int32_t minute = 0;
    std::int32_t second = 0;
    std::vector<ConditionSpec> conditions; // When: all must hold
};

struct AgendaEntry {
    int id = 0;
    ActionSource source = ActionSource::GeneralPage;
    std::unique_ptr<TTask> task;
    std::string label;         // what the reminder and the texts name
    bool fromSchedule = false; // a postponed schedule item: the Remind setting decides on its reminder
    std::optional<GeneralTiming> timing; // the General action's
    // The moment: on the elapsed clock (After, postponed runs), else a wall time.
    std::optional<std::int64_t> dueElapsedMs;
    WallSeconds dueWall = 0;
    ActionState state = ActionState::Waiting;
    bool isGeneral() const { return timing.has_value(); }
    // Waits for conditions, not for a moment.
    bool isConditional() const { return timing && timing->mode == GeneralTiming::Mode::When; }
};

// A pending action as the texts show it.
struct UpcomingEntry {
    std::string key; // tells one action from another between looks
    std::string label;
    const TaskKind* kind = nullptr;
    WallSeconds due = 0;
    ActionSource source = ActionSource::GeneralPage;
    ActionState state = ActionState::Waiting;
    std::string condition; // what a conditional action waits for: "when the network is below ..."
};

// A pending action as the tray and --status name it: "turn off the computer in 1 h 5 min", "lock the
// computer when the user is idle for 30 min (idle 3 min)", "turn off the computer in its reminder, due at
// 22:30:00". reading: the live reading of the armed conditions, empty when none is known.
std::string PendingText(const UpcomingEntry& entry, const std::string& reading, WallSeconds now);

struct MissedRun {
    std::string label;
    WallSeconds due = 0;
    MissReason reason = MissReason::Asleep;
};

// The hour of day for an hour read on a 12-hour clock: 12 AM is 0, 12 PM is 12. Hours outside 1 to 12
// are taken as they are (PM adding 12), so they name a time the clock never shows.
std::int32_t HourOf12HourClock(std::int32_t hour, bool pm);

// More than this late, a moment counts as missed: a one-shot does not run, a schedule item asks first.
constexpr long long MissedAfterSeconds = 120;
// Whether a moment due at due, looked at now, was missed.
bool IsMissed(WallSeconds due, WallSeconds now);
// Why moments went by since the last look (none: the first): a resume the system announced, or the elapsed
// clock running ahead while the program was not there to look, is sleep; the wall clock moving apart
// from the elapsed clock is a clock set.
MissReason ReasonOfMiss(const std::optional<AgendaClock>& lastLook, const AgendaClock& now, bool resumed);
// "Missed while the computer was asleep: shutdown the computer at 22:30:00".
std::string MissedText(const MissedRun& run, WallSeconds now);
// The reminder's line for a schedule item that runs late: "(due at 22:30:00)".
std::string DueLineText(WallSeconds due);

class TAgenda {
public:
    static constexpr std::int32_t PostponeSeconds = 600;

    // The General action, one at a time: arming replaces the one armed before (its reminder, when open, is
    // the caller's to close). False, with nothing armed, when taskCode names no kind or the time no time.
    bool ArmAfter(ActionSource source, std::int32_t taskCode, std::int32_t seconds, const AgendaClock& now);
    bool ArmAt(ActionSource source, std::int32_t taskCode, std::int32_t hour, std::int32_t minute,
               std::int32_t second, const AgendaClock& now);
    bool ArmWhen(ActionSource source, std::int32_t taskCode, std::vector<ConditionSpec> conditions,
                 const AgendaClock& now);
    // The conditions of the armed conditional action hold: it goes into its reminder state.
    void ConditionsHeld(int id);
    // Another kind runs when the armed action comes due; the timing stays.
    void SetGeneralTask(std::int32_t taskCode);
    void DisarmGeneral();
    // Armed, or in its reminder.
    const AgendaEntry* General() const;

    void Postpone(std::unique_ptr<TTask> task, std::string label, bool fromSchedule, const AgendaClock& now);
    // Drops every postponed run, also those that came due and wait for their reminder's answer (the
    // reminders are the caller's to close).
    void CancelPostponed();
    bool HasPostponed() const;

    // The schedule whose items' next firings the agenda shows; owned elsewhere, nullptr for none.
    void SetSchedule(const TScheduleManager* manager) { m_schedule = manager; }
    const TScheduleManager* Schedule() const { return m_schedule; }
    // The item's next firing, when it fires again.
    static std::optional<WallSeconds> NextRun(const TScheduleItem& item, WallSeconds now);

    // Where the wall clock will show the entry's moment.
    static WallSeconds DueWall(const AgendaEntry& entry, const AgendaClock& now);
    // Every pending action: the General action, the postponed runs, then the schedule items in list order.
    std::vector<UpcomingEntry> Upcoming(const AgendaClock& now) const;

    // One look at the clock: the one-shots due now go into their reminder state and their ids are handed
    // out, oldest first; those more than two minutes late leave the agenda as missed, for the reason given.
    struct Look {
        std::vector<int> due;
        std::vector<MissedRun> missed;
    };
    Look TakeDue(const AgendaClock& now, MissReason reason);
    AgendaEntry* Find(int id);
    // The entry leaves the agenda; its task is handed back.
    std::unique_ptr<TTask> Finish(int id);

    // The five-minute warnings to show now (each action once); the warned actions' state says so.
    std::vector<std::string> Warnings(const AgendaClock& now);
    // Milliseconds from now to the next moment something of the agenda can happen (a one-shot or a
    // schedule item due, a warning); nothing when nothing is pending.
    std::optional<std::int64_t> MsUntilNext(const AgendaClock& now) const;

    const std::vector<std::unique_ptr<AgendaEntry>>& Entries() const { return m_entries; }

private:
    AgendaEntry& add(ActionSource source, std::unique_ptr<TTask> task, std::string label);

    std::vector<std::unique_ptr<AgendaEntry>> m_entries; // oldest first
    const TScheduleManager* m_schedule = nullptr;
    TAheadWarnings m_warnings;
    int m_nextId = 1;
};

} // namespace halvo
