#include "DateTime.h"

#include "platform/CivilDate.h"

#include <cmath>

namespace halvo {

namespace {

// Day 0 (30 December 1899) counted from 1970-01-01.
constexpr long long EpochOffsetDays = -25569;

// The whole day a value belongs to. Values before day 0 carry the time as a positive fraction after the
// minus sign (-1.25 is 29 December 1899, 06:00), so the day is the value truncated toward zero.
long long wholeDay(TDateTime value) {
    return static_cast<long long>(std::trunc(value));
}

} // namespace

TDateTime EncodeDate(int year, int month, int day) {
    return static_cast<double>(civil::DaysFromDate(year, unsigned(month), unsigned(day)) - EpochOffsetDays);
}

TDateTime EncodeTime(int hour, int minute, int second, int milliseconds) {
    return (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + milliseconds) / MillisecondsPerDay;
}

TDateTime FromLocalTime(const LocalTime& t) {
    const TDateTime date = EncodeDate(t.year, t.month, t.day);
    const TDateTime time = EncodeTime(t.hour, t.minute, t.second, t.milliseconds);
    return date >= 0 ? date + time : date - time;
}

TDateTime Now() {
    return FromLocalTime(platform().clock().localTime());
}

TDateTime Today() {
    const LocalTime t = platform().clock().localTime();
    return EncodeDate(t.year, t.month, t.day);
}

void DecodeDate(TDateTime value, int& year, int& month, int& day) {
    civil::DateFromDays(wholeDay(value) + EpochOffsetDays, year, month, day);
}

double TimeFraction(TDateTime value) {
    return std::fabs(value - std::trunc(value));
}

void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& milliseconds) {
    long long ms = std::llround(TimeFraction(value) * MillisecondsPerDay);
    if (ms >= 86400000)
        ms = 86399999;
    hour = int(ms / 3600000);
    minute = int(ms / 60000 % 60);
    second = int(ms / 1000 % 60);
    milliseconds = int(ms % 1000);
}

int DayOfWeek(TDateTime value) {
    // Day 0 was a Saturday (7).
    const long long days = wholeDay(value);
    return int(((days + 6) % 7 + 7) % 7) + 1;
}

int DayOfMonth(TDateTime value) {
    int y, m, d;
    DecodeDate(value, y, m, d);
    return d;
}

int DaysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && ((year % 4 == 0 && year % 100 != 0) || year % 400 == 0))
        return 29;
    return days[(month - 1) % 12];
}

int CompareDate(TDateTime a, TDateTime b) {
    const long long da = wholeDay(a);
    const long long db = wholeDay(b);
    return da < db ? -1 : (da > db ? 1 : 0);
}

int CompareTime(TDateTime a, TDateTime b) {
    const double fa = TimeFraction(a);
    const double fb = TimeFraction(b);
    if (std::fabs(fa - fb) < 1.0 / MillisecondsPerDay)
        return 0;
    return fa < fb ? -1 : 1;
}

} // namespace halvo
