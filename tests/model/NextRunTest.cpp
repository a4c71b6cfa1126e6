#include "model/NextRun.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

using namespace halvo;

namespace {

WallSeconds wall(int year, int month, int day, int hour, int minute = 0, int second = 0) {
    return WallSecondsOf(
        {.year = year, .month = month, .day = day, .hour = hour, .minute = minute, .second = second});
}

TSPTime rule(TPeriod period, std::int32_t day, int hour, int minute, TDateTime onceDate = 0) {
    TSPTime r;
    r.Period = period;
    r.Day = day;
    r.TimeOfDay = EncodeTime(hour, minute, 0);
    r.OnceDate = onceDate;
    return r;
}

std::string next(const TSPTime& r, WallSeconds now) {
    const auto firing = NextFiring(r, now);
    return firing ? DateTimeText(*firing) : "never";
}

#ifdef _WIN32
constexpr const char* Utc = "UTC0";
#else
constexpr const char* Utc = "UTC";
#endif

// Runs the test body in a time zone, then puts the old one back.
class InZone {
public:
    explicit InZone(const char* zone) {
        if (const char* old = std::getenv("TZ"))
            m_old = old;
        set(zone);
    }
    ~InZone() { set(m_old.c_str()); }

private:
    static void set(const char* zone) {
#ifdef _WIN32
        _putenv_s("TZ", *zone ? zone : "");
        _tzset();
#else
        if (*zone)
            setenv("TZ", zone, 1);
        else
            unsetenv("TZ");
        tzset();
#endif
    }

    std::string m_old;
};

} // namespace

TEST(NextRun, EveryPeriodAcrossMonthEndsAndLeapDays) {
    const InZone utc(Utc);
    struct Case {
        TSPTime rule;
        WallSeconds now;
        const char* expected;
    };
    const Case cases[] = {
        // Every day: today while the time lies ahead; the tick that reached it has fired it.
        {rule(TPeriod::EveryDay, 0, 22, 30), wall(2026, 12, 8, 21, 0), "2026-12-08 22:30:00"},
        {rule(TPeriod::EveryDay, 0, 22, 30), wall(2026, 12, 8, 22, 30), "2026-12-09 22:30:00"},
        {rule(TPeriod::EveryDay, 0, 0, 0), wall(2026, 12, 31, 23, 59, 59), "2027-01-01 00:00:00"},
        {rule(TPeriod::EveryDay, 0, 22, 0), wall(2028, 2, 28, 23, 0), "2028-02-29 22:00:00"},
        // Every week (1 = Sunday); 8 December 2026 is a Tuesday.
        {rule(TPeriod::EveryWeek, 1, 8, 0), wall(2026, 12, 8, 9, 0), "2026-12-13 08:00:00"},
        {rule(TPeriod::EveryWeek, 3, 8, 0), wall(2026, 12, 8, 7, 0), "2026-12-08 08:00:00"},
        {rule(TPeriod::EveryWeek, 3, 8, 0), wall(2026, 12, 8, 9, 0), "2026-12-15 08:00:00"},
        {rule(TPeriod::EveryWeek, 7, 8, 0), wall(2026, 12, 31, 9, 0), "2027-01-02 08:00:00"},
        {rule(TPeriod::EveryWeek, 0, 8, 0), wall(2026, 12, 8, 9, 0), "never"},
        {rule(TPeriod::EveryWeek, 8, 8, 0), wall(2026, 12, 8, 9, 0), "never"},
        // Every month: a day that a month lacks is skipped to the next month that has it.
        {rule(TPeriod::EveryMonth, 31, 22, 0), wall(2026, 4, 15, 9, 0), "2026-05-31 22:00:00"},
        {rule(TPeriod::EveryMonth, 31, 22, 0), wall(2026, 1, 31, 23, 0), "2026-03-31 22:00:00"},
        {rule(TPeriod::EveryMonth, 30, 22, 0), wall(2026, 1, 31, 9, 0), "2026-03-30 22:00:00"},
        {rule(TPeriod::EveryMonth, 29, 22, 0), wall(2027, 2, 1, 9, 0), "2027-03-29 22:00:00"},
        {rule(TPeriod::EveryMonth, 29, 22, 0), wall(2028, 2, 1, 9, 0), "2028-02-29 22:00:00"},
        {rule(TPeriod::EveryMonth, 1, 0, 0), wall(2026, 12, 31, 12, 0), "2027-01-01 00:00:00"},
        {rule(TPeriod::EveryMonth, 32, 22, 0), wall(2026, 12, 8, 9, 0), "never"},
        {rule(TPeriod::EveryMonth, 0, 22, 0), wall(2026, 12, 8, 9, 0), "never"},
        // Once: its date, only while it has not passed.
        {rule(TPeriod::Once, 0, 18, 0, EncodeDate(2026, 12, 24)), wall(2026, 12, 8, 9, 0),
         "2026-12-24 18:00:00"},
        {rule(TPeriod::Once, 0, 18, 0, EncodeDate(2026, 12, 8)), wall(2026, 12, 8, 17, 59, 59),
         "2026-12-08 18:00:00"},
        {rule(TPeriod::Once, 0, 18, 0, EncodeDate(2026, 12, 8)), wall(2026, 12, 8, 18, 0), "never"},
        {rule(TPeriod::Once, 0, 18, 0, EncodeDate(2026, 12, 7)), wall(2026, 12, 8, 9, 0), "never"},
        {rule(TPeriod::Once, 0, 0, 0, EncodeDate(2028, 2, 29)), wall(2028, 2, 28, 9, 0),
         "2028-02-29 00:00:00"},
        // A period a damaged file brought in never fires.
        {rule(static_cast<TPeriod>(7), 0, 18, 0), wall(2026, 12, 8, 9, 0), "never"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(next(c.rule, c.now), c.expected)
            << DateTimeText(c.now) << " period " << static_cast<int>(c.rule.Period);
}

// A clock set back after the day's firing does not bring that day's time back: the item runs once a day.
TEST(NextRun, ClockSetBackAfterTheDaysFiringShowsTomorrow) {
    const InZone utc(Utc);
    TSPTime r = rule(TPeriod::EveryDay, 0, 22, 30);
    EXPECT_FALSE(r.CheckCrossing(LocalTimeOf(wall(2026, 12, 8, 22, 0))));
    EXPECT_EQ(next(r, wall(2026, 12, 8, 22, 0)), "2026-12-08 22:30:00");
    EXPECT_TRUE(r.CheckCrossing(LocalTimeOf(wall(2026, 12, 8, 22, 31))));
    EXPECT_FALSE(r.CheckCrossing(LocalTimeOf(wall(2026, 12, 8, 21, 30))));
    EXPECT_EQ(next(r, wall(2026, 12, 8, 21, 30)), "2026-12-09 22:30:00");
}

TEST(NextRun, DaylightSavingHours) {
#ifdef _WIN32
    GTEST_SKIP() << "the C library here knows no zone by its name";
#endif
    const InZone berlin("Europe/Berlin");
    // 29 March 2026: 02:00 becomes 03:00. A rule at 02:30 fires when the clock jumps past it.
    EXPECT_EQ(next(rule(TPeriod::EveryDay, 0, 2, 30), wall(2026, 3, 29, 1, 0)), "2026-03-29 03:00:00");
    EXPECT_EQ(next(rule(TPeriod::EveryDay, 0, 2, 30), wall(2026, 3, 28, 22, 0)), "2026-03-29 03:00:00");
    EXPECT_EQ(next(rule(TPeriod::EveryDay, 0, 2, 30), wall(2026, 3, 29, 3, 0)), "2026-03-30 02:30:00");
    EXPECT_EQ(SecondsBetween(wall(2026, 3, 29, 1, 0), wall(2026, 3, 29, 3, 0)), 3600);
    EXPECT_EQ(SecondsBetween(wall(2026, 3, 29, 0, 0), wall(2026, 3, 29, 4, 0)), 3 * 3600);
    // 25 October 2026: 03:00 becomes 02:00 again; the first 02:30 is the one that fires.
    EXPECT_EQ(next(rule(TPeriod::EveryDay, 0, 2, 30), wall(2026, 10, 25, 1, 0)), "2026-10-25 02:30:00");
    EXPECT_EQ(SecondsBetween(wall(2026, 10, 25, 1, 0), wall(2026, 10, 25, 2, 30)), 5400);
    EXPECT_EQ(SecondsBetween(wall(2026, 10, 25, 0, 0), wall(2026, 10, 25, 4, 0)), 5 * 3600);
    EXPECT_EQ(SecondsBetween(wall(2026, 12, 8, 21, 25), wall(2026, 12, 8, 22, 30)), 3900);
}

TEST(NextRun, TextsOfWhen) {
    const std::pair<long long, const char*> cases[] = {
        {0, "in 0 s"},          {45, "in 45 s"},        {60, "in 1 min"},          {299, "in 4 min"},
        {3600, "in 1 h"},       {3900, "in 1 h 5 min"}, {86399, "in 23 h 59 min"}, {86400, "in 1 d"},
        {183600, "in 2 d 3 h"}, {-5, "in 0 s"},
    };
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(InText(seconds), text) << seconds;
    EXPECT_EQ(AtText(wall(2026, 12, 8, 22, 30), wall(2026, 12, 8, 21, 0)), "22:30:00");
    EXPECT_EQ(AtText(wall(2026, 12, 9, 0, 5), wall(2026, 12, 8, 21, 0)), "2026-12-09 00:05:00");
}

TEST(NextRun, TheWarningComesOnceFiveMinutesAheadAndOnlyForActionsArmedEarlier) {
    const InZone utc(Utc);
    const WallSeconds start = wall(2026, 12, 8, 22, 20);
    struct Case {
        const char* what;
        long long dueAfter; // seconds after start
        bool warns;
        std::vector<long long> warnedAt; // seconds after start
    };
    const Case cases[] = {
        {"ten minutes ahead", 600, true, {300}},
        {"exactly five minutes and a second ahead", 301, true, {1}},
        {"four minutes ahead", 240, true, {}},
        {"five minutes ahead", 300, true, {}},
        {"a kind that does not end the session", 600, false, {}},
    };
    for (const Case& c : cases) {
        TAheadWarnings warnings;
        std::vector<long long> warnedAt;
        for (long long t = 0; t <= c.dueAfter + 2; ++t) {
            const auto texts = warnings.Check(
                {{"a", "'Night': shutdown the computer", c.warns, start + c.dueAfter}}, start + t);
            for (const std::string& text : texts) {
                warnedAt.push_back(t);
                EXPECT_EQ(text, "'Night': shutdown the computer at " + AtText(start + c.dueAfter, start) +
                                    ", in 5 minutes");
            }
        }
        EXPECT_EQ(warnedAt, c.warnedAt) << c.what;
    }

    // A late tick moving the time by a second is the same action; armed anew farther ahead, a new one.
    TAheadWarnings warnings;
    EXPECT_TRUE(warnings.Check({{"g", "lock", true, start + 601}}, start).empty());
    EXPECT_EQ(warnings.Check({{"g", "lock", true, start + 601}}, start + 301).size(), 1u);
    EXPECT_TRUE(warnings.Check({{"g", "lock", true, start + 602}}, start + 302).empty());
    EXPECT_TRUE(warnings.Check({{"g", "lock", true, start + 2000}}, start + 303).empty());
    EXPECT_EQ(warnings.Check({{"g", "lock", true, start + 2000}}, start + 1700).size(), 1u);
}
