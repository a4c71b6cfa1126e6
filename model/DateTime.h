#pragma once

// The date-time value of the schedule file: days counted from 30 December 1899 (day 0) as a double, the
// time of day as the fraction. The file keeps it, so items the program did not compose write back byte
// for byte; everywhere else the program counts in wall-clock seconds (WallClock.h), converted here.

#include "WallClock.h"

namespace halvo {

using TDateTime = double;

constexpr double MillisecondsPerDay = SecondsPerDay * 1000.0;

TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int milliseconds = 0);
TDateTime FromLocalTime(const LocalTime& time);

// The stored value's calendar day (as WallClock.h counts them) and the whole second of its time of day
// (0 to SecondsPerDay - 1).
long long CalendarDayOf(TDateTime value);
long long SecondOfDayOf(TDateTime value);
// The stored values of a calendar day and of a second of the day, as the wizard has always written them.
TDateTime StoredDate(long long day);
TDateTime StoredTimeOfDay(long long second);

// -1, 0 or 1 as the time of day of a is earlier than, equal to or later than that of b: by their
// fractions, equal within one millisecond.
int CompareTime(TDateTime a, TDateTime b);

// The fraction of the day, also for values before day 0 (where the fraction counts away from zero).
double TimeFraction(TDateTime value);

} // namespace halvo
