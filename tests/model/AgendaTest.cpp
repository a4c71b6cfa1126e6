#include "model/Agenda.h"
#include "tests/fakes/RecordingPlatform.h"

#include <gtest/gtest.h>

#include <functional>

using namespace halvo;

namespace {

struct AgendaWorld {
    RecordingPlatform fake;
    ScopedPlatform guard{fake};
    TAgenda agenda;
    std::optional<AgendaClock> lastLook;

    AgendaWorld() { fake.setNow(2026, 12, 8, 21, 0, 0); }
    AgendaClock clock() { return ReadAgendaClock(); }
    // One look, as the planner takes it: what came due, what was missed.
    TAgenda::Look look(bool resumed = false) {
        const AgendaClock now = clock();
        const MissReason reason = ReasonOfMiss(lastLook, now, resumed);
        lastLook = now;
        return agenda.TakeDue(now, reason);
    }
};

} // namespace

// What happens to a one-shot whose moment went by while the program could not look: asleep (both clocks
// move, the system says it woke), off the hook (both move, nothing said), the clock set forward or back
// by hand (only the wall clock moves); by two minutes or less it still runs.
TEST(Agenda, MissedMomentsOfOneShots) {
    const int poweroff = 2;
    using Arm = std::function<void(AgendaWorld&)>;
    const Arm after10min = [](AgendaWorld& w) {
        w.agenda.ArmAfter(ActionSource::CommandLine, poweroff, 600, w.clock());
    };
    const Arm at2110 = [](AgendaWorld& w) {
        w.agenda.ArmAt(ActionSource::GeneralPage, poweroff, 21, 10, 0, w.clock());
    };
    const Arm postponed = [](AgendaWorld& w) {
        w.agenda.Postpone(TaskFromCode(poweroff), "'Night': turn off the computer", true, w.clock());
    };
    enum class Move { Asleep, AsleepUnannounced, ClockForward, ClockBack };
    struct Case {
        const char* name;
        const Arm* arm;
        Move move;
        long long seconds;  // how far the clock or clocks move from 21:00:00
        const char* expect; // "due", "waits", or the missed text
    };
    const Case cases[] = {
        {"after, asleep past it", &after10min, Move::Asleep, 3600,
         "Missed while the computer was asleep: turn off the computer at 21:10:00"},
        {"after, asleep, two minutes late", &after10min, Move::Asleep, 720, "due"},
        {"after, asleep, a second more", &after10min, Move::Asleep, 721,
         "Missed while the computer was asleep: turn off the computer at 21:10:00"},
        {"after, the wall clock set forward does not bring it", &after10min, Move::ClockForward, 3600,
         "waits"},
        {"after, the wall clock set back does not hold it", &after10min, Move::ClockBack, 3600, "waits"},
        {"at, asleep past it", &at2110, Move::Asleep, 7200,
         "Missed while the computer was asleep: turn off the computer at 21:10:00"},
        {"at, time went by unannounced", &at2110, Move::AsleepUnannounced, 7200,
         "Missed while the computer was asleep: turn off the computer at 21:10:00"},
        {"at, the clock jumped forward past it", &at2110, Move::ClockForward, 7200,
         "Missed while the clock changed: turn off the computer at 21:10:00"},
        {"at, the clock jumped just past it", &at2110, Move::ClockForward, 690, "due"},
        {"at, the clock set back", &at2110, Move::ClockBack, 3600, "waits"},
        {"postponed, asleep past it", &postponed, Move::Asleep, 3600,
         "Missed while the computer was asleep: 'Night': turn off the computer at 21:10:00"},
        {"postponed, asleep a minute past it", &postponed, Move::Asleep, 660, "due"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AgendaWorld w;
        (*c.arm)(w);
        w.look();
        const long long ms = c.seconds * 1000;
        switch (c.move) {
        case Move::Asleep:
        case Move::AsleepUnannounced:
            w.fake.advanceMilliseconds(ms);
            break;
        case Move::ClockForward:
            w.fake.advanceMilliseconds(ms);
            w.fake.elapsed -= ms;
            break;
        case Move::ClockBack: // the elapsed clock stays where it is
            w.fake.advanceMilliseconds(-ms);
            break;
        }
        const TAgenda::Look look = w.look(c.move == Move::Asleep);
        const std::string expect = c.expect;
        if (expect == "due") {
            EXPECT_EQ(look.due.size(), 1u);
            EXPECT_TRUE(look.missed.empty());
        } else if (expect == "waits") {
            EXPECT_TRUE(look.due.empty() && look.missed.empty());
            EXPECT_EQ(w.agenda.Entries().size(), 1u);
        } else {
            EXPECT_TRUE(look.due.empty());
            ASSERT_EQ(look.missed.size(), 1u);
            EXPECT_EQ(MissedText(look.missed[0], w.clock().wall), expect);
            EXPECT_TRUE(w.agenda.Entries().empty());
        }
    }
}

// What the tray, --status and the planner read: the moments of everything pending, and how long the
// program may sleep.
TEST(Agenda, TwelveHourClock) {
    const struct {
        std::int32_t hour;
        bool pm;
        std::int32_t hourOfDay;
    } cases[] = {{12, false, 0}, {1, false, 1},  {11, false, 11}, {12, true, 12},
                 {1, true, 13},  {11, true, 23}, {13, true, 25},  {INT32_MAX, true, INT32_MAX}};
    for (const auto& c : cases)
        EXPECT_EQ(HourOf12HourClock(c.hour, c.pm), c.hourOfDay) << c.hour << (c.pm ? " PM" : " AM");
}

TEST(Agenda, UpcomingMomentsAndTheNextWake) {
    AgendaWorld w;
    TScheduleManager manager;
    TScheduleItem& item = manager.Add();
    item.ItemName = "night";
    item.Task = TaskFromCode(1);
    item.TimeRule.Period = TPeriod::EveryDay;
    item.TimeRule.SetTimeOfDaySecond(22 * 3600 + 30 * 60);
    w.agenda.SetSchedule(&manager);
    // Nothing of the General page or postponed: only the item, and its warning five minutes before.
    EXPECT_EQ(w.agenda.MsUntilNext(w.clock()), std::optional<std::int64_t>((85 * 60) * 1000));

    w.fake.advanceMilliseconds(250);
    ASSERT_TRUE(w.agenda.ArmAfter(ActionSource::CommandLine, 11, 90, w.clock()));
    w.agenda.Postpone(TaskFromCode(9), "restart the computer", false, w.clock());
    const auto upcoming = w.agenda.Upcoming(w.clock());
    ASSERT_EQ(upcoming.size(), 3u);
    EXPECT_EQ(upcoming[0].label, "lock the workstation");
    EXPECT_EQ(DateTimeText(upcoming[0].due),
              "2026-12-08 21:01:31"); // 90.25 s on, shown at the second reached
    EXPECT_EQ(upcoming[1].label, "restart the computer");
    EXPECT_EQ(DateTimeText(upcoming[1].due), "2026-12-08 21:10:01");
    EXPECT_EQ(upcoming[2].label, "'night': shutdown the computer");
    EXPECT_EQ(DateTimeText(upcoming[2].due), "2026-12-08 22:30:00");
    EXPECT_EQ(w.agenda.MsUntilNext(w.clock()), std::optional<std::int64_t>(90000));

    // A clock set an hour forward moves the shown moment of "after", not when it comes.
    w.fake.advanceMilliseconds(3600 * 1000);
    w.fake.elapsed -= 3600 * 1000;
    EXPECT_EQ(DateTimeText(w.agenda.Upcoming(w.clock())[0].due), "2026-12-08 22:01:31");
    EXPECT_EQ(w.agenda.MsUntilNext(w.clock()), std::optional<std::int64_t>(90000));

    // Due: in its reminder it is no longer planned for; cancelled, it leaves.
    w.fake.advanceMilliseconds(90000);
    const auto look = w.agenda.TakeDue(w.clock(), MissReason::Asleep);
    ASSERT_EQ(look.due.size(), 1u);
    EXPECT_EQ(w.agenda.General()->state, ActionState::Reminding);
    EXPECT_EQ(w.agenda.TakeDue(w.clock(), MissReason::Asleep).due.size(), 0u);
    w.agenda.DisarmGeneral();
    w.agenda.CancelPostponed();
    EXPECT_TRUE(w.agenda.Entries().empty());
    EXPECT_EQ(w.agenda.Finish(look.due[0]), nullptr);
}
