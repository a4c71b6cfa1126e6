// The evaluation driven by the fake clock: due days, crossings, firing with and without the reminder, and
// several reminders open at once.

#include "model/ScheduleEvaluator.h"
#include "tests/helpers/FakeWorldTest.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

using namespace halvo;

namespace {

struct ReminderScript {
    std::vector<std::string> labels;   // the name on every reminder, in the order they were opened
    std::vector<std::string> dueLines; // the line under it, empty when none was set
    std::vector<std::size_t> openAtShow;
    // Called as the reminder opens with its number (0 for the first): 1 run, 3 postpone, 0 leave it open
    // (its answer waits in pending), anything else cancel.
    std::function<int(int reminder)> answer = [](int) { return 1; };
    std::vector<std::function<void(ReminderAnswer)>> pending;
};

ReminderAnswer AnswerOf(int result) {
    return result == 1   ? ReminderAnswer::Execute
           : result == 3 ? ReminderAnswer::Postpone
                         : ReminderAnswer::Cancel;
}

class ScheduleEvaluation : public FakeWorldTest {
protected:
    TScheduleManager manager;
    bool remind = false;
    ReminderScript script;
    // What the page's hook saw: the item's name, its crossing state and how many tasks had run by then.
    std::vector<std::string> firedNames;
    std::unique_ptr<ScheduleEvaluator> evaluator;

    void SetUp() override {
        fake.setNow(2026, 12, 8, 10, 0, 0); // a Tuesday
        ScheduleHooks hooks;
        hooks.remind = [this] { return remind; };
        hooks.openReminder = [this](const std::string& label, const std::string& dueLine,
                                    std::function<void(ReminderAnswer)> answered) {
            const int number = int(script.labels.size());
            script.labels.push_back(label);
            script.dueLines.push_back(dueLine);
            script.openAtShow.push_back(evaluator->OpenReminderCount());
            const int result = script.answer(number);
            if (result == 0)
                script.pending.push_back(std::move(answered));
            else
                answered(AnswerOf(result));
        };
        hooks.fired = [this](TScheduleItem& item) {
            firedNames.push_back(item.ItemName +
                                 (item.TimeRule.CrossState == TCrossState::Passed ? " passed" : " ahead") +
                                 " after " + std::to_string(runs().size()) + " runs");
        };
        evaluator = std::make_unique<ScheduleEvaluator>(manager, hooks);
    }

    // An item whose execute task runs its own name, so the recorded shell calls say which item ran.
    TScheduleItem& addItem(const std::string& name, int hour, int minute, int second = 0,
                           TPeriod period = TPeriod::EveryDay, std::int32_t day = 0) {
        TScheduleItem& item = manager.Add();
        item.ItemName = name;
        auto task = std::make_unique<TExecuteTask>();
        task->CommandLine = name;
        item.Task = std::move(task);
        item.TimeRule.Period = period;
        item.TimeRule.Day = day;
        item.TimeRule.TimeOfDay = 45000.0 + EncodeTime(hour, minute, second);
        return item;
    }

    std::vector<std::string> runs() const {
        std::vector<std::string> names;
        for (const auto& call : fake.callsStartingWith("run \"")) {
            const std::size_t begin = call.find('"') + 1;
            names.push_back(call.substr(begin, call.find('"', begin) - begin));
        }
        return names;
    }

    void tickAt(int year, int month, int day, int hour, int minute, int second, int milliseconds = 0) {
        fake.setNow(year, month, day, hour, minute, second, milliseconds);
        evaluator->Tick();
    }
    void tickAt(int hour, int minute, int second, int milliseconds = 0) {
        tickAt(fake.now.year, fake.now.month, fake.now.day, hour, minute, second, milliseconds);
    }

    using Names = std::vector<std::string>;
};

} // namespace

// One item and the ticks the clock gives it, in 2026: "MM-DD hh:mm:ss[.mmm]", with " runs" at the end of
// every tick at which the item must run. An item fires forward only, once per calendar day at most.
struct Scenario {
    const char* name;
    int hour, minute, second;
    TPeriod period;
    std::int32_t day;
    TCrossState stored; // CrossState as a start read it from the file (NotSeen: a new item)
    std::vector<std::string> ticks;
};

// clang-format off
const Scenario Scenarios[] = {
    {"daily 22:30 over two days and two midnights",
     22, 30, 0, TPeriod::EveryDay, 0, TCrossState::NotSeen,
     {"12-08 10:00:00", "12-08 22:29:59.999", "12-08 22:30:00.000", "12-08 22:30:01 runs", "12-08 22:30:02",
      "12-08 23:59:59", "12-09 00:00:00", "12-09 00:00:01", "12-09 12:00:00", "12-09 22:30:00.500 runs",
      "12-09 23:59:59", "12-10 00:00:00", "12-10 00:00:01"}},
    {"stored as passed, started the next morning",
     22, 30, 0, TPeriod::EveryDay, 0, TCrossState::Passed,
     {"12-09 07:00:00", "12-09 07:00:01", "12-09 22:29:59", "12-09 22:30:01 runs", "12-09 22:30:02"}},
    {"stored as ahead, started after its time on the same day: caught up once",
     22, 30, 0, TPeriod::EveryDay, 0, TCrossState::Ahead,
     {"12-08 23:00:00 runs", "12-08 23:00:01", "12-09 00:00:01", "12-09 10:00:00"}},
    {"stored as passed, started after its time",
     22, 30, 0, TPeriod::EveryDay, 0, TCrossState::Passed,
     {"12-09 23:00:00", "12-09 23:00:01", "12-10 00:00:01"}},
    {"the autumn hour: 02:30 on the night the clock goes from 03:00 back to 02:00",
     2, 30, 0, TPeriod::EveryDay, 0, TCrossState::NotSeen,
     {"10-25 01:00:00", "10-25 02:30:01 runs", "10-25 02:59:59", "10-25 02:00:00", "10-25 02:30:01",
      "10-25 02:59:59", "10-25 03:00:00", "10-26 02:30:01 runs"}},
    {"the clock set back an hour after a firing, then forward again",
     22, 30, 0, TPeriod::EveryDay, 0, TCrossState::NotSeen,
     {"12-08 22:00:00", "12-08 22:30:01 runs", "12-08 21:30:01", "12-08 22:45:00", "12-08 23:59:59",
      "12-09 22:30:01 runs"}},
    {"the clock set forward past its time",
     22, 30, 0, TPeriod::EveryDay, 0, TCrossState::NotSeen,
     {"12-08 10:00:00", "12-08 23:00:00 runs", "12-08 23:00:01"}},
    {"asleep from before midnight until after its time the next day: runs once on waking",
     22, 30, 0, TPeriod::EveryDay, 0, TCrossState::NotSeen,
     {"12-08 22:00:00", "12-08 22:30:01 runs", "12-08 23:00:00", "12-09 23:00:00 runs", "12-09 23:00:01"}},
    {"a rule at 00:00:00 across three midnights",
     0, 0, 0, TPeriod::EveryDay, 0, TCrossState::NotSeen,
     {"12-08 10:00:00", "12-08 23:59:59.500", "12-09 00:00:00.500 runs", "12-09 00:00:01.500",
      "12-09 23:59:59.999", "12-10 00:00:00.000", "12-10 00:00:01 runs", "12-10 23:59:59",
      "12-11 00:00:00.003 runs", "12-11 12:00:00"}},
    {"00:00:05 that ran the day before: once, at 00:00:05, not at midnight",
     0, 0, 5, TPeriod::EveryDay, 0, TCrossState::NotSeen,
     {"12-08 00:00:04", "12-08 00:00:06 runs", "12-08 23:59:59", "12-09 00:00:00.200", "12-09 00:00:04",
      "12-09 00:00:05.200 runs", "12-09 00:00:06"}},
    {"weekly on Monday 22:30 that ran last Monday, running through two Mondays",
     22, 30, 0, TPeriod::EveryWeek, 2, TCrossState::Passed,
     {"12-13 23:59:59", "12-14 00:00:00.500", "12-14 00:00:01", "12-14 22:30:01 runs", "12-15 00:00:01",
      "12-15 22:30:01", "12-20 23:59:59", "12-21 00:00:01", "12-21 22:30:01 runs", "12-22 00:00:01"}},
    {"monthly on the 31st at 08:00, not due in November",
     8, 0, 0, TPeriod::EveryMonth, 31, TCrossState::Passed,
     {"11-30 00:00:01", "11-30 08:00:01", "12-01 00:00:01", "12-01 08:00:01", "12-31 00:00:01",
      "12-31 08:00:01 runs", "12-31 09:00:00", "01-01 00:00:01"}},
};
// clang-format on

TEST_F(ScheduleEvaluation, ItemsRunForwardOnlyAndOncePerDay) {
    for (const Scenario& scenario : Scenarios) {
        SCOPED_TRACE(scenario.name);
        manager.Clear();
        fake.clearCalls();
        TScheduleItem& item =
            addItem("item", scenario.hour, scenario.minute, scenario.second, scenario.period, scenario.day);
        item.TimeRule.CrossState = scenario.stored;
        std::vector<std::string> expected;
        std::vector<std::string> ran;
        for (const std::string& tick : scenario.ticks) {
            int month = 0, day = 0, hour = 0, minute = 0, second = 0, milliseconds = 0;
            ASSERT_GE(std::sscanf(tick.c_str(), "%d-%d %d:%d:%d.%d", &month, &day, &hour, &minute, &second,
                                  &milliseconds),
                      5)
                << tick;
            const bool runs = tick.size() > 5 && tick.compare(tick.size() - 5, 5, " runs") == 0;
            const std::string at = runs ? tick.substr(0, tick.size() - 5) : tick;
            if (runs)
                expected.push_back(at);
            const std::size_t before = this->runs().size();
            tickAt(month == 1 ? 2027 : 2026, month, day, hour, minute, second, milliseconds);
            if (this->runs().size() != before)
                ran.push_back(at);
        }
        EXPECT_EQ(ran, expected);
    }
}

TEST_F(ScheduleEvaluation, FiringMovesTheStateAndCallsTheHookBeforeTheTaskRuns) {
    TScheduleItem& night = addItem("night", 22, 30);
    tickAt(10, 0, 0);
    EXPECT_TRUE(night.DueToday);
    EXPECT_TRUE(night.Active);
    EXPECT_EQ(night.TimeRule.CrossState, TCrossState::Ahead);
    tickAt(22, 30, 1);
    EXPECT_EQ(runs(), Names{"night"});
    EXPECT_EQ(firedNames, Names{"night passed after 0 runs"}) << "the page stores before the task runs";
    tickAt(2026, 12, 9, 0, 0, 1);
    EXPECT_EQ(night.TimeRule.CrossState, TCrossState::Ahead) << "midnight: its time lies ahead again";
    EXPECT_EQ(firedNames.size(), 1u);
    EXPECT_EQ(script.labels.size(), 0u);
}

TEST_F(ScheduleEvaluation, NewItemOnlyLearnsTheSideOnItsFirstTick) {
    TScheduleItem& item = addItem("late", 9, 59, 59);
    tickAt(10, 0, 0);
    EXPECT_EQ(item.TimeRule.CrossState, TCrossState::Passed);
    EXPECT_EQ(runs(), Names{});
}

TEST_F(ScheduleEvaluation, ChangedItemStartsOverAsANewOne) {
    TScheduleItem& item = addItem("night", 22, 30);
    tickAt(22, 0, 0);
    tickAt(22, 30, 1);
    EXPECT_EQ(runs(), Names{"night"});

    // Moved to a later time on the day it ran: it runs again, at its new time.
    tickAt(22, 45, 0);
    item.TimeRule.TimeOfDay = EncodeTime(23, 0, 0);
    item.TimeRule.StartOver();
    tickAt(22, 45, 1);
    EXPECT_EQ(runs(), Names{"night"});
    tickAt(23, 0, 1);
    EXPECT_EQ(runs(), (Names{"night", "night"}));

    // Moved to a time already past: nothing runs at once, and the next day it runs at that time.
    item.TimeRule.TimeOfDay = EncodeTime(23, 5, 0);
    item.TimeRule.StartOver();
    EXPECT_EQ(item.TimeRule.CrossState, TCrossState::NotSeen);
    tickAt(23, 10, 0);
    tickAt(23, 10, 1);
    tickAt(2026, 12, 9, 23, 4, 59);
    EXPECT_EQ(runs(), (Names{"night", "night"}));
    tickAt(2026, 12, 9, 23, 5, 1);
    EXPECT_EQ(runs(), (Names{"night", "night", "night"}));
}

TEST_F(ScheduleEvaluation, OnceItemFiresOnlyOnItsDate) {
    TScheduleItem& once = addItem("once", 22, 30, 0, TPeriod::Once);
    once.TimeRule.OnceDate = EncodeDate(2026, 12, 9) + 0.5;
    tickAt(23, 0, 0);
    EXPECT_FALSE(once.DueToday);
    EXPECT_EQ(once.TimeRule.CrossState, TCrossState::NotSeen)
        << "the detector is not consulted on other days";

    tickAt(2026, 12, 9, 10, 0, 0);
    tickAt(22, 30, 1);
    tickAt(23, 0, 0);
    EXPECT_EQ(runs(), Names{"once"});
    tickAt(2026, 12, 10, 0, 0, 1);
    tickAt(2026, 12, 10, 23, 0, 0);
    EXPECT_FALSE(once.DueToday);
    EXPECT_EQ(runs(), Names{"once"});
}

TEST_F(ScheduleEvaluation, ReminderCancelSkipsTheRunUntilTheNextCrossing) {
    remind = true;
    addItem("night", 22, 30).TimeRule.CrossState = TCrossState::Ahead;
    script.answer = [this](int reminder) {
        EXPECT_EQ(firedNames.size(), std::size_t(reminder + 1)) << "the hook ran before the reminder opened";
        EXPECT_EQ(evaluator->OpenReminderCount(), 1u);
        return reminder == 0 ? 2 : 1;
    };

    tickAt(22, 30, 1);
    EXPECT_EQ(script.labels, Names{"execute the program"});
    EXPECT_EQ(runs(), Names{});
    EXPECT_EQ(evaluator->OpenReminderCount(), 0u);

    tickAt(22, 30, 2);
    tickAt(2026, 12, 9, 0, 0, 0);
    EXPECT_EQ(script.labels.size(), 1u);
    tickAt(22, 30, 1);
    EXPECT_EQ(runs(), Names{"night"});
    EXPECT_EQ(firedNames, (Names{"night passed after 0 runs", "night passed after 0 runs"}));

    remind = false; // read at every firing
    tickAt(2026, 12, 10, 22, 30, 1);
    EXPECT_EQ(script.labels.size(), 2u);
    EXPECT_EQ(runs(), (Names{"night", "night"}));
}

TEST_F(ScheduleEvaluation, SixItemsAtOneSecondEachRunWithAndWithoutReminders) {
    for (int i = 0; i < 6; ++i)
        addItem("item" + std::to_string(i), 22, 30).TimeRule.CrossState = TCrossState::Ahead;
    tickAt(22, 30, 1);
    EXPECT_EQ(runs(), (Names{"item0", "item1", "item2", "item3", "item4", "item5"}));

    remind = true;
    fake.clearCalls();
    tickAt(2026, 12, 9, 22, 30, 1);
    EXPECT_EQ(runs(), (Names{"item0", "item1", "item2", "item3", "item4", "item5"}));
    EXPECT_EQ(script.openAtShow, (std::vector<std::size_t>{1, 1, 1, 1, 1, 1}));
}

// Reminders left open hold nothing up: the next items fire at their own seconds while the earlier ones
// wait, and each item runs when its own reminder is answered, in the order the answers come.
TEST_F(ScheduleEvaluation, RemindersLeftOpenHoldUpNeitherTheScheduleNorEachOther) {
    remind = true;
    for (int i = 0; i < 7; ++i)
        addItem("item" + std::to_string(i), 22, 30, i).TimeRule.CrossState = TCrossState::Ahead;
    script.answer = [](int) { return 0; };
    for (int second = 0; second <= 7; ++second)
        tickAt(22, 30, second, 1);
    EXPECT_EQ(script.labels.size(), 7u);
    EXPECT_EQ(script.openAtShow, (std::vector<std::size_t>{1, 2, 3, 4, 5, 6, 7}))
        << "none is dropped past five";
    EXPECT_EQ(runs(), Names{});
    for (int i : {3, 0, 6, 1, 5, 2, 4})
        script.pending[i](i == 5 ? ReminderAnswer::Cancel : ReminderAnswer::Execute);
    EXPECT_EQ(runs(), (Names{"item3", "item0", "item6", "item1", "item2", "item4"}));
    EXPECT_EQ(evaluator->OpenReminderCount(), 0u);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(manager.Item(i).TimeRule.CrossState, TCrossState::Passed);
}

TEST_F(ScheduleEvaluation, ItemWithoutTaskNeverFires) {
    TScheduleItem& broken = manager.Add();
    broken.UnknownTaskCode = 42;
    broken.TimeRule.TimeOfDay = EncodeTime(22, 30, 0);
    addItem("after", 22, 30);
    remind = true;
    tickAt(10, 0, 0);
    tickAt(22, 30, 1);
    EXPECT_EQ(broken.TimeRule.CrossState, TCrossState::Passed);
    EXPECT_EQ(firedNames, Names{"after passed after 0 runs"});
    EXPECT_EQ(script.labels.size(), 1u);
    EXPECT_EQ(runs(), Names{"after"});
}

TEST_F(ScheduleEvaluation, ItemGoneOrEvaluatorGoneWhileTheReminderWaits) {
    remind = true;
    addItem("deleted", 22, 30).TimeRule.CrossState = TCrossState::Ahead;
    script.answer = [this](int) {
        manager.Delete(0);
        return 1;
    };
    tickAt(22, 30, 1);
    EXPECT_EQ(runs(), Names{}) << "the task of a deleted item does not run";

    addItem("ended", 22, 30).TimeRule.CrossState = TCrossState::Ahead;
    script.answer = [](int) { return 0; };
    tickAt(22, 30, 2);
    ASSERT_EQ(script.pending.size(), 1u);
    evaluator.reset(); // the engine went away while the reminder was open
    script.pending[0](ReminderAnswer::Execute);
    EXPECT_EQ(runs(), Names{}) << "an answer that comes after the evaluator went runs nothing";
}

// An item whose time went by more than two minutes before the evaluation saw it (the computer asleep or
// off, the clock jumped) runs only through its reminder, even with reminders off, and the reminder says
// when it was due; two minutes late or less it runs as it would have.
TEST_F(ScheduleEvaluation, LateFiringsAskFirstAndSayWhenTheyWereDue) {
    struct Case {
        const char* name;
        int hour, minute, second; // of the first look after 22:00:00, on the same day
        const char* dueLine;      // nullptr: runs at once
    };
    const Case cases[] = {
        {"on time", 22, 30, 0, nullptr},
        {"two minutes late", 22, 32, 0, nullptr},
        {"asleep half an hour", 23, 0, 0, "(due at 22:30:00)"},
        {"a second more than two minutes", 22, 32, 1, "(due at 22:30:00)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        manager.Clear();
        fake.clearCalls();
        script.labels.clear();
        script.dueLines.clear();
        addItem("night", 22, 30, 0);
        tickAt(22, 0, 0);
        tickAt(c.hour, c.minute, c.second, 3);
        if (c.dueLine) {
            EXPECT_EQ(script.dueLines, Names{c.dueLine});
            EXPECT_EQ(runs(), Names{"night"}); // the scripted reminder answers "run"
        } else {
            EXPECT_TRUE(script.labels.empty());
            EXPECT_EQ(runs(), Names{"night"});
        }
    }
    // Off: the stored state says its time still lay ahead; the program starts at 23:00.
    manager.Clear();
    script.dueLines.clear();
    TScheduleItem& stored = addItem("stored", 22, 30, 0);
    stored.TimeRule.CrossState = TCrossState::Ahead;
    tickAt(23, 0, 0);
    EXPECT_EQ(script.dueLines, Names{"(due at 22:30:00)"});
}
