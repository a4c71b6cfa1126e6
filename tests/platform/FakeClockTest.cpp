// The fake platform's clock, which the program's timing tests lean on: time passing moves both clocks,
// a clock set by hand only the wall clock, and announcements reach whoever watches.

#include "tests/fakes/RecordingPlatform.h"

#include <gtest/gtest.h>

using namespace halvo;

TEST(FakeClock, SleepAndSettingTheClockMoveTheTwoClocksAsTheSystemWould) {
    RecordingPlatform fake;
    fake.setNow(2026, 12, 31, 23, 59, 30);
    fake.elapsed = 1000;
    const struct {
        const char* what;
        std::function<void()> act;
        LocalTime wall; // year, month, dayOfWeek, day, hour, minute, second, ms
        std::int64_t elapsed;
    } steps[] = {
        {"an hour asleep across the new year",
         [&] { fake.advanceMilliseconds(3600'000); },
         {2027, 1, 5, 1, 0, 59, 30, 0},
         3601'000},
        {"the clock set back by hand",
         [&] { fake.setNow(2027, 1, 1, 0, 0, 0); },
         {2027, 1, 5, 1, 0, 0, 0, 0},
         3601'000},
        {"time going backwards is a clock set, not time passing",
         [&] { fake.advanceMilliseconds(-500); },
         {2026, 12, 4, 31, 23, 59, 59, 500},
         3601'000},
        {"elapsed set on its own", [&] { fake.elapsed = 7; }, {2026, 12, 4, 31, 23, 59, 59, 500}, 7},
    };
    for (const auto& step : steps) {
        step.act();
        const LocalTime now = fake.clock().localTime();
        EXPECT_EQ(
            (std::vector<int>{now.year, now.month, now.dayOfWeek, now.day, now.hour, now.minute, now.second,
                              now.milliseconds}),
            (std::vector<int>{step.wall.year, step.wall.month, step.wall.dayOfWeek, step.wall.day,
                              step.wall.hour, step.wall.minute, step.wall.second, step.wall.milliseconds}))
            << step.what;
        EXPECT_EQ(fake.clock().elapsedMs(), step.elapsed) << step.what;
    }
}

TEST(FakeClock, AnnouncementsReachTheWatcherUntilItStops) {
    RecordingPlatform fake;
    std::vector<ClockChange> heard;
    fake.announce(ClockChange::Resumed); // nobody watching yet
    fake.clock().watchChanges([&](ClockChange change) {
        heard.push_back(change);
        if (change == ClockChange::TimeZoneChanged)
            fake.clock().watchChanges({}); // stopping from within
    });
    for (const auto change : {ClockChange::Suspending, ClockChange::Resumed, ClockChange::WallClockSet,
                              ClockChange::TimeZoneChanged, ClockChange::Resumed})
        fake.announce(change);
    EXPECT_EQ(heard, (std::vector<ClockChange>{ClockChange::Suspending, ClockChange::Resumed,
                                               ClockChange::WallClockSet, ClockChange::TimeZoneChanged}));
    EXPECT_FALSE(fake.watchingChanges());
    // Watching asks nothing of the system.
    EXPECT_TRUE(fake.calls.empty());
}
