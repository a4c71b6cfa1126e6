// The time rule's crossing detector and due-day rule, the item copy and the manager's ownership.

#include "model/Schedule.h"
#include "platform/fake/RecordingPlatform.h"
#include "platform/fake/RecordingUi.h"

#include <gtest/gtest.h>

using namespace halvo;

namespace {

const TDateTime HalfPastTen = EncodeTime(22, 30, 0);
const TDateTime HalfMillisecond = 0.5 / MillisecondsPerDay;

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
        TDateTime now;
        bool fires;
        TCrossState after;
    };
    const TDateTime ahead = HalfPastTen - 1000 / MillisecondsPerDay; // the rule's time is later than now
    const TDateTime equal = HalfPastTen + HalfMillisecond;
    const TDateTime passed = HalfPastTen + 1000 / MillisecondsPerDay;
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
        rule.TimeOfDay = 45000.0 + HalfPastTen; // the whole-day part of either value never counts
        rule.CrossState = cell.before;
        const TDateTime now = 46001.0 + cell.now;
        const int before = static_cast<int>(cell.before);
        EXPECT_EQ(rule.CheckCrossing(now), cell.fires) << "state " << before << ", now " << cell.now;
        EXPECT_EQ(rule.CrossState, cell.after) << "state " << before << ", now " << cell.now;
    }
}

TEST(TimeRule, UnknownCrossStateOnlyLearnsTheSide) {
    TSPTime rule;
    rule.TimeOfDay = HalfPastTen;
    rule.CrossState = static_cast<TCrossState>(7);
    EXPECT_FALSE(rule.CheckCrossing(HalfPastTen + 0.01));
    EXPECT_EQ(rule.CrossState, TCrossState::Passed);
}

TEST(TimeRule, MidnightRuleFiresOnTheFirstLookOfEachDay) {
    TSPTime rule; // TimeOfDay 0: never later than the clock within a day
    const TDateTime day = 46000.0;
    for (int hour : {0, 6, 12, 23}) {
        EXPECT_FALSE(rule.CheckCrossing(day + EncodeTime(hour, 0, 1)));
        EXPECT_EQ(rule.CrossState, TCrossState::Passed);
    }
    // Within a millisecond of midnight nothing changes yet; the next look fires.
    EXPECT_FALSE(rule.CheckCrossing(day + 1 + HalfMillisecond));
    EXPECT_EQ(rule.CrossState, TCrossState::Ahead);
    EXPECT_TRUE(rule.CheckCrossing(day + 1 + EncodeTime(0, 0, 1)));
    EXPECT_FALSE(rule.CheckCrossing(day + 1 + EncodeTime(0, 0, 2)));
    EXPECT_TRUE(rule.CheckCrossing(day + 2 + EncodeTime(0, 0, 0, 500)));
    EXPECT_EQ(rule.CrossState, TCrossState::Passed);
}

TEST(TimeRule, DueDayByPeriod) {
    TScheduleItem item;
    const TDateTime sunday = EncodeDate(2026, 12, 6);
    const TDateTime saturday = EncodeDate(2026, 12, 12);

    item.TimeRule.Period = TPeriod::EveryDay;
    item.UpdateDueToday(sunday);
    EXPECT_TRUE(item.DueToday);

    item.TimeRule.Period = TPeriod::EveryWeek;
    item.TimeRule.Day = 1;
    item.UpdateDueToday(sunday);
    EXPECT_TRUE(item.DueToday) << "Day 1 is Sunday";
    item.UpdateDueToday(saturday);
    EXPECT_FALSE(item.DueToday);
    item.TimeRule.Day = 7;
    item.UpdateDueToday(saturday + 0.99);
    EXPECT_TRUE(item.DueToday) << "Day 7 is Saturday";

    item.TimeRule.Period = TPeriod::EveryMonth;
    item.TimeRule.Day = 31;
    item.UpdateDueToday(EncodeDate(2026, 4, 30));
    EXPECT_FALSE(item.DueToday) << "no fall-back to the last day of a 30-day month";
    item.UpdateDueToday(EncodeDate(2026, 5, 1));
    EXPECT_FALSE(item.DueToday);
    item.UpdateDueToday(EncodeDate(2026, 5, 31));
    EXPECT_TRUE(item.DueToday);
    item.TimeRule.Day = 29;
    item.UpdateDueToday(EncodeDate(2027, 2, 28));
    EXPECT_FALSE(item.DueToday);
    item.UpdateDueToday(EncodeDate(2028, 2, 29));
    EXPECT_TRUE(item.DueToday);

    item.TimeRule.Period = TPeriod::Once;
    item.TimeRule.OnceDate = EncodeDate(2026, 12, 8) + 0.75; // its time part does not count
    item.UpdateDueToday(EncodeDate(2026, 12, 7));
    EXPECT_FALSE(item.DueToday) << "before the date";
    item.UpdateDueToday(EncodeDate(2026, 12, 8) + 0.1);
    EXPECT_TRUE(item.DueToday) << "on the date";
    item.UpdateDueToday(EncodeDate(2026, 12, 9));
    EXPECT_FALSE(item.DueToday) << "after the date";

    item.TimeRule.Period = static_cast<TPeriod>(9);
    item.DueToday = true;
    item.UpdateDueToday(sunday);
    EXPECT_TRUE(item.DueToday) << "a period outside 0 to 3 leaves the flag";
    item.DueToday = false;
    item.UpdateDueToday(sunday);
    EXPECT_FALSE(item.DueToday);
}

class ScheduleItemCopy : public ::testing::Test {
protected:
    RecordingPlatform fake;
    RecordingUi recordingUi;
    ScopedPlatform platformGuard{fake};
    ScopedUi uiGuard{recordingUi};
};

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
