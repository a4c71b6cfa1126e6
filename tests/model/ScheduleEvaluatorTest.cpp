// The once-a-second evaluation driven by the fake clock: due days, crossings, firing with and without the
// reminder, the rotating slot index and reminders opened from inside a waiting reminder.

#include "model/ScheduleEvaluator.h"
#include "platform/fake/RecordingPlatform.h"
#include "platform/fake/RecordingUi.h"

#include <gtest/gtest.h>

#include <functional>

using namespace halvo;

namespace {

struct ReminderScript {
    std::vector<std::string> labels; // Label2 of every reminder, in the order they were shown
    std::vector<int> slotIndexAtShow;
    std::vector<std::size_t> openAtShow;
    int destroyed = 0;
    // Called from inside ShowModal with the number of the reminder (0 for the first); its result is the
    // dialog's.
    std::function<int(int reminder)> answer = [](int) { return 1; };
};

class ScriptedReminder final : public ReminderDialog {
public:
    ScriptedReminder(ReminderScript& script, std::function<void()> onShow)
        : m_script(script), m_onShow(std::move(onShow)) {}
    ~ScriptedReminder() override { ++m_script.destroyed; }
    void SetLabel2(const std::string& text) override { m_label = text; }
    int ShowModal() override {
        const int number = int(m_script.labels.size());
        m_script.labels.push_back(m_label);
        m_onShow();
        return m_script.answer(number);
    }

private:
    ReminderScript& m_script;
    std::function<void()> m_onShow;
    std::string m_label;
};

class ScheduleEvaluation : public ::testing::Test {
protected:
    RecordingPlatform fake;
    RecordingUi recordingUi;
    ScopedPlatform platformGuard{fake};
    ScopedUi uiGuard{recordingUi};
    TScheduleManager manager;
    bool remind = false;
    ReminderScript script;
    // What the page's hook saw: the item's name, its crossing state and how many tasks had run by then.
    std::vector<std::string> firedNames;
    std::vector<int> slotIndexAtFired;
    std::unique_ptr<ScheduleEvaluator> evaluator;

    void SetUp() override {
        fake.setNow(2026, 12, 8, 10, 0, 0); // a Tuesday
        ScheduleHooks hooks;
        hooks.remind = [this] { return remind; };
        hooks.createReminder = [this]() -> std::unique_ptr<ReminderDialog> {
            return std::make_unique<ScriptedReminder>(script, [this] {
                script.slotIndexAtShow.push_back(evaluator->SlotIndex());
                script.openAtShow.push_back(evaluator->OpenReminderCount());
            });
        };
        hooks.fired = [this](TScheduleItem& item) {
            firedNames.push_back(item.ItemName + (item.TimeRule.CrossState == Passed ? " passed" : " ahead") +
                                 " after " + std::to_string(runs().size()) + " runs");
            slotIndexAtFired.push_back(evaluator->SlotIndex());
        };
        evaluator = std::make_unique<ScheduleEvaluator>(manager, hooks);
    }

    // An item whose execute task runs its own name, so the recorded shell calls say which item ran.
    TScheduleItem& addItem(const std::string& name, int hour, int minute, int second = 0,
                           std::int32_t period = EveryDay, std::int32_t day = 0) {
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
        for (const auto& call : fake.callsStartingWith("ShellExecuteA(0, null, \"")) {
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

TEST_F(ScheduleEvaluation, EveryDayItemFiresWhenItsTimePassesAndAgainAfterMidnight) {
    TScheduleItem& night = addItem("night", 22, 30);
    tickAt(10, 0, 0);
    EXPECT_TRUE(night.DueToday);
    EXPECT_TRUE(night.Active);
    EXPECT_EQ(night.TimeRule.CrossState, Ahead);

    tickAt(22, 29, 59, 999);
    tickAt(22, 30, 0, 0);
    EXPECT_EQ(runs(), Names{}) << "within a millisecond of its time nothing changes";
    EXPECT_EQ(night.TimeRule.CrossState, Ahead);

    tickAt(22, 30, 1);
    EXPECT_EQ(runs(), Names{"night"});
    EXPECT_EQ(firedNames, Names{"night passed after 0 runs"}) << "the page stores before the task runs";
    tickAt(22, 30, 2);
    tickAt(23, 59, 59);
    EXPECT_EQ(runs(), Names{"night"});

    tickAt(2026, 12, 9, 0, 0, 0);
    EXPECT_EQ(runs(), (Names{"night", "night"})) << "its time lies ahead again after midnight";
    tickAt(0, 0, 1);
    tickAt(22, 30, 1);
    EXPECT_EQ(runs(), (Names{"night", "night", "night"}));
    EXPECT_EQ(evaluator->SlotIndex(), 3) << "the index moves without a reminder too";
    EXPECT_EQ(script.labels.size(), 0u);
}

TEST_F(ScheduleEvaluation, NewItemOnlyLearnsTheSideOnItsFirstTick) {
    TScheduleItem& item = addItem("late", 9, 59, 59);
    tickAt(10, 0, 0);
    EXPECT_EQ(item.TimeRule.CrossState, Passed);
    EXPECT_EQ(runs(), Names{});
}

TEST_F(ScheduleEvaluation, SettingTheClockBackAndForwardFiresEachTime) {
    addItem("night", 22, 30).TimeRule.CrossState = Passed;
    tickAt(22, 45, 0);
    EXPECT_EQ(runs(), Names{});
    tickAt(22, 0, 0);
    EXPECT_EQ(runs(), Names{"night"});
    tickAt(23, 0, 0);
    EXPECT_EQ(runs(), (Names{"night", "night"}));
}

TEST_F(ScheduleEvaluation, OnceItemFiresOnlyOnItsDate) {
    TScheduleItem& once = addItem("once", 22, 30, 0, Once);
    once.TimeRule.OnceDate = EncodeDate(2026, 12, 9) + 0.5;
    tickAt(23, 0, 0);
    EXPECT_FALSE(once.DueToday);
    EXPECT_EQ(once.TimeRule.CrossState, NotSeen) << "the detector is not consulted on other days";

    tickAt(2026, 12, 9, 10, 0, 0);
    tickAt(22, 30, 1);
    tickAt(23, 0, 0);
    EXPECT_EQ(runs(), Names{"once"});
    tickAt(2026, 12, 10, 0, 0, 1);
    tickAt(2026, 12, 10, 23, 0, 0);
    EXPECT_FALSE(once.DueToday);
    EXPECT_EQ(runs(), Names{"once"});
}

TEST_F(ScheduleEvaluation, WeeklyItemFiresAfterMidnightOfItsDayAndAtItsTime) {
    TScheduleItem& monday = addItem("monday", 22, 30, 0, EveryWeek, 2);
    monday.TimeRule.CrossState = Passed; // fired last Monday
    tickAt(2026, 12, 8, 10, 0, 0);       // Tuesday: its time lies ahead, but it is not due
    EXPECT_FALSE(monday.DueToday);
    EXPECT_EQ(monday.TimeRule.CrossState, Passed);

    tickAt(2026, 12, 14, 0, 0, 1); // the next Monday
    EXPECT_EQ(runs(), Names{"monday"});
    tickAt(2026, 12, 14, 22, 30, 1);
    tickAt(2026, 12, 15, 0, 0, 1);
    tickAt(2026, 12, 21, 0, 0, 1);
    tickAt(2026, 12, 21, 22, 30, 1);
    EXPECT_EQ(runs(), (Names{"monday", "monday", "monday", "monday"}));
}

TEST_F(ScheduleEvaluation, DayThirtyOneIsNotDueInAThirtyDayMonth) {
    TScheduleItem& last = addItem("31st", 8, 0, 0, EveryMonth, 31);
    last.TimeRule.CrossState = Passed;
    tickAt(2026, 11, 30, 0, 0, 1);
    tickAt(2026, 11, 30, 8, 0, 1);
    tickAt(2026, 12, 1, 0, 0, 1);
    EXPECT_FALSE(last.DueToday);
    EXPECT_EQ(runs(), Names{});
    tickAt(2026, 12, 31, 0, 0, 1);
    tickAt(2026, 12, 31, 8, 0, 1);
    EXPECT_EQ(runs(), (Names{"31st", "31st"}));
}

TEST_F(ScheduleEvaluation, ReminderCancelSkipsTheRunUntilTheNextCrossing) {
    remind = true;
    addItem("night", 22, 30).TimeRule.CrossState = Ahead;
    script.answer = [this](int reminder) {
        EXPECT_EQ(firedNames.size(), std::size_t(reminder + 1)) << "the hook ran before the reminder opened";
        EXPECT_EQ(evaluator->OpenReminderCount(), 1u);
        return reminder == 0 ? 2 : 1;
    };

    tickAt(22, 30, 1);
    EXPECT_EQ(script.labels, Names{"execute the program"});
    EXPECT_EQ(runs(), Names{});
    EXPECT_EQ(script.destroyed, 1);
    EXPECT_EQ(evaluator->OpenReminderCount(), 0u);

    tickAt(22, 30, 2);
    EXPECT_EQ(script.labels.size(), 1u);
    tickAt(2026, 12, 9, 0, 0, 0);
    EXPECT_EQ(runs(), Names{"night"});
    EXPECT_EQ(script.destroyed, 2);
    EXPECT_EQ(firedNames, (Names{"night passed after 0 runs", "night ahead after 0 runs"}));

    remind = false; // read at every firing
    tickAt(22, 30, 1);
    EXPECT_EQ(script.labels.size(), 2u);
    EXPECT_EQ(runs(), (Names{"night", "night"}));
}

TEST_F(ScheduleEvaluation, SlotIndexWrapsAfterFiveWithAndWithoutReminders) {
    for (int i = 0; i < 6; ++i)
        addItem("item" + std::to_string(i), 22, 30).TimeRule.CrossState = Ahead;
    tickAt(22, 30, 1);
    EXPECT_EQ(runs(), (Names{"item0", "item1", "item2", "item3", "item4", "item5"}));
    EXPECT_EQ(slotIndexAtFired, (std::vector<int>{0, 1, 2, 3, 4, 0}));
    EXPECT_EQ(evaluator->SlotIndex(), 1);

    remind = true;
    fake.clearCalls();
    tickAt(2026, 12, 9, 0, 0, 1);
    EXPECT_EQ(runs(), (Names{"item0", "item1", "item2", "item3", "item4", "item5"}));
    EXPECT_EQ(script.slotIndexAtShow, (std::vector<int>{2, 3, 4, 0, 1, 2}));
    EXPECT_EQ(script.openAtShow, (std::vector<std::size_t>{1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(script.destroyed, 6);
}

TEST_F(ScheduleEvaluation, RemindersOpenedInsideAWaitingReminderAreAllHeld) {
    remind = true;
    for (int i = 0; i < 7; ++i)
        addItem("item" + std::to_string(i), 22, 30).TimeRule.CrossState = Ahead;
    // Each reminder waits while the timer ticks on: the next item fires from the inner tick.
    script.answer = [this](int) {
        fake.advanceMilliseconds(1000);
        evaluator->Tick();
        return 1;
    };
    tickAt(22, 30, 1);
    EXPECT_EQ(script.labels.size(), 7u);
    EXPECT_EQ(script.openAtShow, (std::vector<std::size_t>{1, 2, 3, 4, 5, 6, 7}))
        << "none is dropped past five";
    EXPECT_EQ(script.slotIndexAtShow, (std::vector<int>{1, 2, 3, 4, 0, 1, 2}));
    EXPECT_EQ(runs(), (Names{"item6", "item5", "item4", "item3", "item2", "item1", "item0"}))
        << "each item runs once, when its own reminder closes";
    EXPECT_EQ(script.destroyed, 7);
    EXPECT_EQ(evaluator->OpenReminderCount(), 0u);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(manager.Item(i).TimeRule.CrossState, Passed);
}

TEST_F(ScheduleEvaluation, ItemWithoutTaskNeverFires) {
    TScheduleItem& broken = manager.Add();
    broken.UnknownTaskCode = 42;
    broken.TimeRule.TimeOfDay = EncodeTime(22, 30, 0);
    addItem("after", 22, 30);
    remind = true;
    tickAt(10, 0, 0);
    tickAt(22, 30, 1);
    EXPECT_EQ(broken.TimeRule.CrossState, Passed);
    EXPECT_EQ(firedNames, Names{"after passed after 0 runs"});
    EXPECT_EQ(script.labels.size(), 1u);
    EXPECT_EQ(evaluator->SlotIndex(), 1);
    EXPECT_EQ(runs(), Names{"after"});
}

TEST_F(ScheduleEvaluation, ItemGoneOrEvaluatorGoneWhileTheReminderWaits) {
    remind = true;
    addItem("deleted", 22, 30).TimeRule.CrossState = Ahead;
    script.answer = [this](int) {
        manager.Delete(0);
        return 1;
    };
    tickAt(22, 30, 1);
    EXPECT_EQ(runs(), Names{}) << "the task of a deleted item does not run";
    EXPECT_EQ(script.destroyed, 1);

    addItem("ended", 22, 30).TimeRule.CrossState = Ahead;
    addItem("never reached", 22, 30).TimeRule.CrossState = Ahead;
    script.answer = [this](int) {
        evaluator.reset(); // the page went away while its reminder was open
        return 1;
    };
    fake.setNow(2026, 12, 8, 22, 30, 2);
    ScheduleEvaluator* running = evaluator.get();
    running->Tick();
    EXPECT_EQ(runs(), Names{});
    EXPECT_EQ(script.destroyed, 2) << "the reminder is destroyed once its wait has ended";
    EXPECT_EQ(manager.Item(1).TimeRule.CrossState, Ahead);
}
