#include "DateTime.h"

#include "platform/CivilDate.h"

#include <algorithm>
#include <cmath>

namespace halvo {

namespace {

// Day 0 (30 December 1899) counted from 1970-01-01.
constexpr long long EpochOffsetDays = civil::DaysFromDate(1899, 12, 30);

constexpr long long MillisecondsInDay = SecondsPerDay * 1000;

// The whole day a value belongs to. Values before day 0 carry the time as a positive fraction after the
// minus sign (-1.25 is 29 December 1899, 06:00), so the day is the value truncated toward zero.
long long wholeDay(TDateTime value) {
    return static_cast<long long>(std::trunc(value));
}

long long millisecondOfDay(TDateTime value) {
    return std::min(MillisecondsInDay - 1, std::llround(TimeFraction(value) * MillisecondsPerDay));
}

} // namespace

TDateTime EncodeDate(int year, int month, int day) {
    return StoredDate(civil::DaysFromDate(year, unsigned(month), unsigned(day)));
}

TDateTime EncodeTime(int hour, int minute, int second, int milliseconds) {
    return (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + milliseconds) / MillisecondsPerDay;
}

TDateTime FromLocalTime(const LocalTime& t) {
    const TDateTime date = EncodeDate(t.year, t.month, t.day);
    const TDateTime time = EncodeTime(t.hour, t.minute, t.second, t.milliseconds);
    return date >= 0 ? date + time : date - time;
}

double TimeFraction(TDateTime value) {
    return std::fabs(value - std::trunc(value));
}

long long CalendarDayOf(TDateTime value) {
    return wholeDay(value) + EpochOffsetDays;
}

long long SecondOfDayOf(TDateTime value) {
    return millisecondOfDay(value) / 1000;
}

TDateTime StoredDate(long long day) {
    return static_cast<double>(day - EpochOffsetDays);
}

TDateTime StoredTimeOfDay(long long second) {
    return EncodeTime(0, 0, int(second));
}

int CompareTime(TDateTime a, TDateTime b) {
    const double fa = TimeFraction(a);
    const double fb = TimeFraction(b);
    if (std::fabs(fa - fb) < 1.0 / MillisecondsPerDay)
        return 0;
    return fa < fb ? -1 : 1;
}

} // namespace halvo
