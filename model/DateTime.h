#pragma once

// The date-time value the program stores and compares: days counted from 30 December 1899 (day 0) as a
// double, the time of day as the fraction. It is the layout of the schedule file, so it stays this type.

#include "platform/Platform.h"

namespace halvo {

using TDateTime = double;

constexpr double MillisecondsPerDay = 86400000.0;

TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int milliseconds = 0);
TDateTime FromLocalTime(const LocalTime& time);

// The platform's local wall clock, with milliseconds.
TDateTime Now();
TDateTime Today();

void DecodeDate(TDateTime value, int& year, int& month, int& day);
void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& milliseconds);

// 1 = Sunday ... 7 = Saturday.
int DayOfWeek(TDateTime value);
int DayOfMonth(TDateTime value);
int DaysInMonth(int year, int month);

// -1, 0 or 1 as a is earlier than, equal to or later than b.
// Dates compare by their whole days; times of day by their fractions, equal within one millisecond.
int CompareDate(TDateTime a, TDateTime b);
int CompareTime(TDateTime a, TDateTime b);

// The fraction of the day, also for values before day 0 (where the fraction counts away from zero).
double TimeFraction(TDateTime value);

} // namespace halvo
