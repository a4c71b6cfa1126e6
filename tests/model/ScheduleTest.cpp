// The time rule's crossing detector and due-day rule, the item copy and the manager's ownership.

#include "model/Schedule.h"
#include "tests/helpers/FakeWorldTest.h"

#include <gtest/gtest.h>

using namespace halvo;

namespace {

const TDateTime HalfPastTen = EncodeTime(22, 30, 0);
const TDateTime HalfMillisecond = 0.5 / MillisecondsPerDay;

long long calendarDay(int year, int month, int day) {
    return DayOf(WallSecondsOf({.year = year, .month = month, .day = day}));
}

// The clock as the platform reads it, on a calendar day.
LocalTime clockAt(long long day, int hour, int minute, int second, int milliseconds = 0) {
    LocalTime clock = LocalTimeOf(day * SecondsPerDay + hour * 3600 + minute * 60 + second);
    clock.milliseconds = milliseconds;
    return clock;
}

} // namespace

TEST(TimeRule, NewItemHoldsTheInitialValues) {
    TScheduleItem item;
    EXPECT_EQ(item.TimeRule.Period, TPeriod::EveryDay);
    EXPECT_EQ(item.TimeRule.Day, 0);
    EXPECT_EQ(item.TimeRule.OnceDate, 0.0);
    EXPECT_EQ(item.TimeRule.TimeOfDay, 0.0);
    EXPECT_EQ(item.TimeRule.DisplayText, "");
    EXPECT_EQ(item.TimeRule.CrossState, TCrossState::NotSeen);
    EXPECT_EQ(item.Task, nullptr);
    EXPECT_EQ(item.ItemName, "");
    EXPECT_FALSE(item.Active);
    EXPECT_FALSE(item.Spare);
    EXPECT_FALSE(item.DueToday);
    EXPECT_FALSE(item.UnknownTaskCode);
}

TEST(TimeRule, CrossingTableEveryCell) {
    struct Cell {
        TCrossState before;
        LocalTime now;
        bool fires;
        TCrossState after;
    };
    const long long day = calendarDay(2026, 12, 8);
    const LocalTime ahead = clockAt(day, 22, 29, 59); // the rule's time is later than now
    const LocalTime equal = clockAt(day, 22, 30, 0);
    const LocalTime passed = clockAt(day, 22, 30, 1);
    const Cell cells[] = {
        {TCrossState::NotSeen, ahead, false, TCrossState::Ahead},
        {TCrossState::NotSeen, equal, false, TCrossState::NotSeen},
        {TCrossState::NotSeen, passed, false, TCrossState::Passed},
        {TCrossState::Ahead, ahead, false, TCrossState::Ahead},
        {TCrossState::Ahead, equal, false, TCrossState::Ahead},
        {TCrossState::Ahead, passed, true, TCrossState::Passed},
        {TCrossState::Passed, ahead, false, TCrossState::Ahead},
        {TCrossState::Passed, equal, false, TCrossState::Passed},
        {TCrossState::Passed, passed, false, TCrossState::Passed},
    };
    for (const Cell& cell : cells) {
        TSPTime rule;
        // The whole-day part never counts, and within a millisecond the times are equal.
        rule.TimeOfDay = 45000.0 + HalfPastTen + HalfMillisecond;
        rule.CrossState = cell.before;
        const int before = static_cast<int>(cell.before);
        EXPECT_EQ(rule.CheckCrossing(cell.now), cell.fires)
            << "state " << before << ", now " << cell.now.second;
        EXPECT_EQ(rule.CrossState, cell.after) << "state " << before << ", now " << cell.now.second;
    }
}

TEST(TimeRule, UnknownCrossStateOnlyLearnsTheSide) {
    TSPTime rule;
    rule.TimeOfDay = HalfPastTen;
    rule.CrossState = static_cast<TCrossState>(7);
    EXPECT_FALSE(rule.CheckCrossing(clockAt(calendarDay(2026, 12, 8), 22, 44, 24)));
    EXPECT_EQ(rule.CrossState, TCrossState::Passed);
}

TEST(TimeRule, MidnightRuleFiresOnTheFirstLookOfEachDay) {
    TSPTime rule; // TimeOfDay 0: never later than the clock within a day
    const long long day = calendarDay(2025, 12, 9);
    for (int hour : {0, 6, 12, 23}) {
        EXPECT_FALSE(rule.CheckCrossing(clockAt(day, hour, 0, 1)));
        EXPECT_EQ(rule.CrossState, TCrossState::Passed);
    }
    // At midnight itself nothing changes yet; the next look fires.
    EXPECT_FALSE(rule.CheckCrossing(clockAt(day + 1, 0, 0, 0)));
    EXPECT_EQ(rule.CrossState, TCrossState::Ahead);
    EXPECT_TRUE(rule.CheckCrossing(clockAt(day + 1, 0, 0, 1)));
    EXPECT_FALSE(rule.CheckCrossing(clockAt(day + 1, 0, 0, 2)));
    EXPECT_TRUE(rule.CheckCrossing(clockAt(day + 2, 0, 0, 0, 500)));
    EXPECT_EQ(rule.CrossState, TCrossState::Passed);
}

// One rule for the evaluation's DueToday and for "Next run".
TEST(TimeRule, DueDayByPeriod) {
    struct Case {
        TPeriod period;
        std::int32_t day;
        int year, month, dayOfMonth;
        bool due;
        const char* why;
    };
    const Case cases[] = {
        {TPeriod::EveryDay, 0, 2026, 12, 6, true, "every day"},
        {TPeriod::EveryWeek, 1, 2026, 12, 6, true, "Day 1 is Sunday"},
        {TPeriod::EveryWeek, 1, 2026, 12, 12, false, "a Saturday"},
        {TPeriod::EveryWeek, 7, 2026, 12, 12, true, "Day 7 is Saturday"},
        {TPeriod::EveryWeek, 7, 1899, 12, 30, true, "30 December 1899 was a Saturday"},
        {TPeriod::EveryWeek, 8, 2026, 12, 12, false, "no eighth weekday"},
        {TPeriod::EveryMonth, 31, 2026, 4, 30, false, "no fall-back to the last day of a 30-day month"},
        {TPeriod::EveryMonth, 31, 2026, 5, 1, false, "the next day is not the 31st either"},
        {TPeriod::EveryMonth, 31, 2026, 5, 31, true, "the 31st"},
        {TPeriod::EveryMonth, 29, 2027, 2, 28, false, "no 29 February in 2027"},
        {TPeriod::EveryMonth, 29, 2028, 2, 29, true, "a leap day"},
        {TPeriod::Once, 0, 2026, 12, 7, false, "before the date"},
        {TPeriod::Once, 0, 2026, 12, 8, true, "on the date"},
        {TPeriod::Once, 0, 2026, 12, 9, false, "after the date"},
        {static_cast<TPeriod>(9), 0, 2026, 12, 8, false, "a period a damaged file brought in"},
    };
    for (const Case& c : cases) {
        TScheduleItem item;
        item.TimeRule.Period = c.period;
        item.TimeRule.Day = c.day;
        item.TimeRule.OnceDate = EncodeDate(2026, 12, 8) + 0.75; // its time part does not count
        item.DueToday = !c.due;
        item.UpdateDueToday(calendarDay(c.year, c.month, c.dayOfMonth));
        const bool known = c.period <= TPeriod::Once;
        EXPECT_EQ(item.TimeRule.DueOn(calendarDay(c.year, c.month, c.dayOfMonth)), c.due) << c.why;
        // A period outside 0 to 3 leaves the flag as it was.
        EXPECT_EQ(item.DueToday, known ? c.due : !c.due) << c.why;
    }
}

TEST(TimeRule, StoredValuesAsTheProgramCountsThem) {
    TSPTime rule;
    rule.OnceDate = 38567.67653427083; // 3 August 2005, 16:14:12.561
    rule.TimeOfDay = 38567.67653427083;
    EXPECT_EQ(rule.OnceDay(), calendarDay(2005, 8, 3));
    EXPECT_EQ(rule.TimeOfDaySecond(), 16 * 3600 + 14 * 60 + 12);
    rule.OnceDate = -1.25; // 29 December 1899, 06:00: the day is truncated toward day 0
    EXPECT_EQ(rule.OnceDay(), calendarDay(1899, 12, 29));
    // What the wizard sets is what it has always written.
    rule.SetOnceDay(calendarDay(2027, 3, 1));
    rule.SetTimeOfDaySecond(22 * 3600 + 30 * 60);
    EXPECT_EQ(rule.OnceDate, EncodeDate(2027, 3, 1));
    EXPECT_EQ(rule.TimeOfDay, EncodeTime(22, 30, 0));
}

class ScheduleItemCopy : public FakeWorldTest {};

TEST_F(ScheduleItemCopy, CopiesRuleTaskAndFlagsButNotTheEvaluationState) {
    TScheduleItem source;
    source.TimeRule.Period = TPeriod::EveryWeek;
    source.TimeRule.Day = 2;
    source.TimeRule.OnceDate = 46000;
    source.TimeRule.TimeOfDay = HalfPastTen;
    source.TimeRule.DisplayText = "22:30:00:Monday";
    source.TimeRule.CrossState = TCrossState::Passed;
    source.Active = true;
    source.Spare = true;
    source.DueToday = true;
    source.ItemName = "Night";
    auto message = std::make_unique<TMessageTask>();
    message->Lines = {"one", "two", "three"};
    source.Task = std::move(message);

    TScheduleItem target;
    target.TimeRule.CrossState = TCrossState::Ahead;
    target.Task = std::make_unique<TShutDownTask>();
    target.Assign(&source);

    EXPECT_EQ(target.TimeRule.Period, TPeriod::EveryWeek);
    EXPECT_EQ(target.TimeRule.Day, 2);
    EXPECT_EQ(target.TimeRule.OnceDate, 46000);
    EXPECT_EQ(target.TimeRule.TimeOfDay, HalfPastTen);
    EXPECT_EQ(target.TimeRule.DisplayText, "22:30:00:Monday");
    EXPECT_EQ(target.TimeRule.CrossState, TCrossState::Ahead);
    EXPECT_FALSE(target.DueToday);
    EXPECT_TRUE(target.Active);
    EXPECT_TRUE(target.Spare);
    EXPECT_EQ(target.ItemName, "Night");

    auto* copied = dynamic_cast<TMessageTask*>(target.Task.get());
    ASSERT_NE(copied, nullptr);
    EXPECT_NE(copied, source.Task.get());
    EXPECT_NE(copied->Popup.get(), static_cast<TMessageTask&>(*source.Task).Popup.get());
    EXPECT_EQ(copied->Lines, (std::vector<std::string>{"one", "two", "three"}));
    copied->Lines.push_back("four");
    EXPECT_EQ(static_cast<TMessageTask&>(*source.Task).Lines.size(), 3u);
}

TEST_F(ScheduleItemCopy, MakesATaskOfTheSameKindWithItsParameters) {
    const auto copyOf = [](std::unique_ptr<TTask> task) {
        TScheduleItem source;
        source.Task = std::move(task);
        auto target = std::make_unique<TScheduleItem>();
        target->Assign(&source);
        return target;
    };
    EXPECT_EQ(copyOf(std::make_unique<TShutDownTask>())->Task->Code, 1);
    EXPECT_EQ(copyOf(std::make_unique<TRestartTask>())->Task->Code, 9);
    EXPECT_NE(dynamic_cast<TDisconnectNetTask*>(copyOf(TaskFromCode(6))->Task.get()), nullptr);

    auto execute = std::make_unique<TExecuteTask>();
    execute->CommandLine = "notepad a.txt";
    EXPECT_EQ(static_cast<TExecuteTask&>(*copyOf(std::move(execute))->Task).CommandLine, "notepad a.txt");

    auto close = std::make_unique<TCloseProgramTask>();
    close->WindowText = "Untitled - Notepad";
    close->ProcessId = 3000000000u;
    const auto closeCopy = copyOf(std::move(close));
    EXPECT_EQ(static_cast<TCloseProgramTask&>(*closeCopy->Task).WindowText, "Untitled - Notepad");
    EXPECT_EQ(static_cast<TCloseProgramTask&>(*closeCopy->Task).ProcessId, 3000000000u);
}

TEST_F(ScheduleItemCopy, SourceWithoutTaskLeavesTheTargetsTask) {
    TScheduleItem source;
    source.ItemName = "renamed";
    TScheduleItem target;
    target.Task = std::make_unique<TLockWorkStationTask>();
    TTask* before = target.Task.get();
    target.Assign(&source);
    EXPECT_EQ(target.Task.get(), before);
    EXPECT_EQ(target.ItemName, "renamed");

    target.Assign(nullptr);
    EXPECT_EQ(target.ItemName, "renamed");
}

TEST_F(ScheduleItemCopy, UnknownTaskCodeTravelsThroughAWorkingCopyAndAKnownTaskReplacesIt) {
    TScheduleItem stored;
    stored.UnknownTaskCode = 42;
    TScheduleItem workingCopy;
    workingCopy.Assign(&stored);
    EXPECT_EQ(workingCopy.UnknownTaskCode, 42);
    stored.Assign(&workingCopy);
    EXPECT_EQ(stored.UnknownTaskCode, 42);
    EXPECT_EQ(stored.Task, nullptr);

    workingCopy.Task = std::make_unique<TShutDownTask>();
    stored.Assign(&workingCopy);
    ASSERT_NE(stored.Task, nullptr);
    EXPECT_FALSE(stored.UnknownTaskCode);
}

TEST(ScheduleManagerItems, AddAppendsAndDeleteMovesTheLaterOnesUp) {
    TScheduleManager manager;
    for (const char* name : {"first", "second", "third"})
        manager.Add().ItemName = name;
    const TScheduleItem* third = &manager.Item(2);
    manager.Delete(1);
    ASSERT_EQ(manager.Count(), 2);
    EXPECT_EQ(manager.Item(0).ItemName, "first");
    EXPECT_EQ(&manager.Item(1), third);
    EXPECT_EQ(manager.IndexOf(third), 1);

    manager.Delete(5);
    manager.Delete(-1);
    EXPECT_EQ(manager.Count(), 2);
    TScheduleItem outside;
    EXPECT_EQ(manager.IndexOf(&outside), -1) << "a working copy is not part of the schedule";
}
