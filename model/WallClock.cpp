#include "WallClock.h"

#include "platform/CivilDate.h"

namespace halvo {

namespace {

long long floorDiv(long long a, long long b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

} // namespace

WallSeconds WallSecondsOf(const LocalTime& t) {
    // From the civil date, so that midnight and month ends count right.
    return civil::DaysFromDate(t.year, unsigned(t.month), unsigned(t.day)) * SecondsPerDay + t.hour * 3600LL +
           t.minute * 60LL + t.second;
}

LocalTime LocalTimeOf(WallSeconds wall) {
    LocalTime t{};
    const long long day = DayOf(wall);
    const long long rest = SecondOfDay(wall);
    civil::DateFromDays(day, t.year, t.month, t.day);
    t.dayOfWeek = WeekdayOf(day);
    t.hour = int(rest / 3600);
    t.minute = int(rest / 60 % 60);
    t.second = int(rest % 60);
    return t;
}

long long DayOf(WallSeconds wall) {
    return floorDiv(wall, SecondsPerDay);
}

long long SecondOfDay(WallSeconds wall) {
    return wall - DayOf(wall) * SecondsPerDay;
}

int WeekdayOf(long long day) {
    return int(((day % 7) + 11) % 7); // 1 January 1970 was a Thursday
}

int DayOfMonthOf(long long day) {
    int year = 0, month = 0, dayOfMonth = 0;
    civil::DateFromDays(day, year, month, dayOfMonth);
    return dayOfMonth;
}

std::string TwoDigits(int value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

} // namespace halvo
