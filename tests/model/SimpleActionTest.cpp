#include "model/SimpleAction.h"

#include <gtest/gtest.h>

#include <vector>

using namespace halvo;

namespace {

LocalTime at(int day, int hour, int minute, int second) {
    return {.year = 2026, .month = 12, .day = day, .hour = hour, .minute = minute, .second = second};
}

} // namespace

TEST(SimpleAction, AfterIsDueOnTheTickThatFindsTheCountRunOut) {
    TSimpleAction action;
    EXPECT_FALSE(action.Tick(at(8, 12, 0, 0))); // nothing armed
    action.ArmAfter(9, 3);
    for (int tick = 1; tick <= 3; ++tick)
        EXPECT_FALSE(action.Tick(at(8, 12, 0, tick))) << tick;
    EXPECT_TRUE(action.Tick(at(8, 12, 0, 4)));
    EXPECT_EQ(action.TaskCode(), 9);
    // It fires once.
    EXPECT_FALSE(action.Armed());
    EXPECT_FALSE(action.Tick(at(8, 12, 0, 5)));

    action.ArmAfter(1, 0);
    action.SetTaskCode(2);
    EXPECT_TRUE(action.Tick(at(8, 12, 0, 6)));
    EXPECT_EQ(action.TaskCode(), 2);

    action.ArmAfter(1, 0);
    action.Disarm();
    EXPECT_FALSE(action.Tick(at(8, 12, 0, 7)));
}

TEST(SimpleAction, AtIsDueOnTheFirstTickThatReachedItsTime) {
    struct Case {
        const char* what;
        LocalTime armed;
        int hour, minute, second;
        std::vector<LocalTime> ticks;
        int dueAtTick; // -1: never
    };
    const Case cases[] = {
        {"exactly on the second", at(8, 13, 4, 58), 13, 5, 0, {at(8, 13, 4, 59), at(8, 13, 5, 0)}, 1},
        {"a late tick that skipped the second", at(8, 13, 4, 59), 13, 5, 0, {at(8, 13, 5, 1)}, 0},
        {"asleep across the time, waking the next morning",
         at(8, 22, 0, 0),
         23,
         0,
         0,
         {at(8, 22, 0, 1), at(9, 7, 15, 0)},
         1},
        {"across midnight", at(9, 23, 59, 58), 0, 0, 10, {at(9, 23, 59, 59), at(10, 0, 0, 11)}, 1},
        {"a clock set back reaches nothing new; armed in the same second it is due tomorrow",
         at(10, 9, 0, 0),
         9,
         0,
         0,
         {at(10, 9, 0, 1), at(10, 8, 30, 0), at(11, 9, 0, 0)},
         2},
        {"asleep for more than a day", at(10, 9, 0, 0), 8, 0, 0, {at(12, 7, 0, 0)}, 0},
        {"a minute the clock never shows",
         at(8, 0, 0, 0),
         12,
         60,
         0,
         {at(8, 12, 59, 59), at(8, 13, 0, 0), at(12, 13, 0, 0)},
         -1},
        {"an hour the clock never shows", at(8, 0, 0, 0), 25, 0, 0, {at(9, 1, 0, 0), at(12, 1, 0, 0)}, -1},
    };
    for (const Case& c : cases) {
        TSimpleAction action;
        action.ArmAt(4, c.hour, c.minute, c.second, c.armed);
        int due = -1;
        for (std::size_t i = 0; i < c.ticks.size(); ++i)
            if (action.Tick(c.ticks[i]) && due < 0)
                due = int(i);
        EXPECT_EQ(due, c.dueAtTick) << c.what;
        // Due once, then disarmed; never due, it stays armed.
        EXPECT_EQ(action.Armed(), c.dueAtTick < 0) << c.what;
    }
}

TEST(SimpleAction, TwelveHourClock) {
    const struct {
        std::int32_t hour;
        bool pm;
        std::int32_t hourOfDay;
    } cases[] = {{12, false, 0}, {1, false, 1},  {11, false, 11}, {12, true, 12},
                 {1, true, 13},  {11, true, 23}, {13, true, 25}};
    for (const auto& c : cases)
        EXPECT_EQ(TSimpleAction::HourOf12HourClock(c.hour, c.pm), c.hourOfDay)
            << c.hour << (c.pm ? " PM" : " AM");
}
