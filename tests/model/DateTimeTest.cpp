#include "model/DateTime.h"
#include "platform/fake/RecordingPlatform.h"

#include <gtest/gtest.h>

using namespace halvo;

TEST(DateTime, CountsDaysFrom30December1899) {
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(EncodeDate(2005, 8, 3), 38567.0);
    EXPECT_DOUBLE_EQ(EncodeTime(22, 30, 0), 0.9375);
    int y, m, d;
    DecodeDate(38567.67653427083, y, m, d);
    EXPECT_EQ((std::vector<int>{y, m, d}), (std::vector<int>{2005, 8, 3}));
    int h, mi, s, ms;
    DecodeTime(38567.67653427083, h, mi, s, ms);
    EXPECT_EQ((std::vector<int>{h, mi, s, ms}), (std::vector<int>{16, 14, 12, 561}));
}

TEST(DateTime, NowComesFromThePlatformClockWithMilliseconds) {
    RecordingPlatform fake;
    ScopedPlatform guard(fake);
    fake.setNow(2026, 12, 8, 22, 30, 0, 1);
    EXPECT_DOUBLE_EQ(Now(), EncodeDate(2026, 12, 8) + EncodeTime(22, 30, 0, 1));
    EXPECT_EQ(Today(), EncodeDate(2026, 12, 8));
    fake.advanceMilliseconds(2 * 3600 * 1000);
    EXPECT_EQ(Today(), EncodeDate(2026, 12, 9));
    EXPECT_EQ(fake.now.dayOfWeek, 3); // Wednesday
}

TEST(DateTime, WeekdayStartsWithSundayAsOne) {
    EXPECT_EQ(DayOfWeek(EncodeDate(2026, 12, 6)), 1); // Sunday
    EXPECT_EQ(DayOfWeek(EncodeDate(2026, 12, 7)), 2);
    EXPECT_EQ(DayOfWeek(EncodeDate(2026, 12, 12)), 7);
    EXPECT_EQ(DayOfWeek(0.0), 7); // 30 December 1899 was a Saturday
    EXPECT_EQ(DayOfWeek(EncodeDate(2026, 12, 9) + 0.99), 4);
    EXPECT_EQ(DayOfMonth(EncodeDate(2024, 2, 29) + 0.5), 29);
    EXPECT_EQ(DaysInMonth(2024, 2), 29);
    EXPECT_EQ(DaysInMonth(2100, 2), 28);
    EXPECT_EQ(DaysInMonth(2026, 4), 30);
}

TEST(DateTime, DatesCompareByWholeDaysAndTimesByFractionWithinAMillisecond) {
    const double day = EncodeDate(2026, 12, 8);
    EXPECT_EQ(CompareDate(day + 0.1, day + 0.9), 0);
    EXPECT_EQ(CompareDate(day - 0.5, day), -1);
    EXPECT_EQ(CompareDate(day + 1, day), 1);
    const double t = EncodeTime(22, 30, 0);
    EXPECT_EQ(CompareTime(t, day + t), 0);
    EXPECT_EQ(CompareTime(t, t + 0.9 / MillisecondsPerDay), 0);
    EXPECT_EQ(CompareTime(t, t + 1.1 / MillisecondsPerDay), -1);
    EXPECT_EQ(CompareTime(t + 1.1 / MillisecondsPerDay, t), 1);
    EXPECT_EQ(CompareTime(38567.67653427083, EncodeTime(16, 14, 12, 561)), 0);
}
