#include "model/DateTime.h"

#include <gtest/gtest.h>

using namespace halvo;

TEST(DateTime, CountsDaysFrom30December1899) {
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(EncodeDate(2005, 8, 3), 38567.0);
    EXPECT_DOUBLE_EQ(EncodeTime(22, 30, 0), 0.9375);
    EXPECT_EQ(LocalTimeOf(CalendarDayOf(38567.67653427083) * SecondsPerDay).day, 3);
    EXPECT_EQ(SecondOfDayOf(38567.67653427083), 16 * 3600 + 14 * 60 + 12); // 16:14:12.561
    EXPECT_EQ(SecondOfDayOf(0.99999999999), SecondsPerDay - 1) << "never the next day's midnight";
}

TEST(DateTime, TimesCompareByFractionWithinAMillisecond) {
    const double day = EncodeDate(2026, 12, 8);
    const double t = EncodeTime(22, 30, 0);
    EXPECT_EQ(CompareTime(t, day + t), 0);
    EXPECT_EQ(CompareTime(t, t + 0.9 / MillisecondsPerDay), 0);
    EXPECT_EQ(CompareTime(t, t + 1.1 / MillisecondsPerDay), -1);
    EXPECT_EQ(CompareTime(t + 1.1 / MillisecondsPerDay, t), 1);
    EXPECT_EQ(CompareTime(38567.67653427083, EncodeTime(16, 14, 12, 561)), 0);
}
