#pragma once

// The program's one type for a moment: wall-clock seconds, the local date and time counted as if every day
// had SecondsPerDay seconds, from 1 January 1970. It is what the platform's clock shows, so a time of day
// is plain arithmetic; real durations across a daylight-saving change go through NextRun's
// SecondsBetween. Calendar days are counted from the same day.

#include "platform/Platform.h"

#include <string>

namespace halvo {

using WallSeconds = long long;

constexpr long long SecondsPerDay = 86400;

WallSeconds WallSecondsOf(const LocalTime& time);
LocalTime LocalTimeOf(WallSeconds wall);

// The calendar day of wall (days from 1 January 1970) and the second of that day, also before 1970.
long long DayOf(WallSeconds wall);
long long SecondOfDay(WallSeconds wall);

// 0 = Sunday ... 6 = Saturday.
int WeekdayOf(long long day);
// 1 to 31.
int DayOfMonthOf(long long day);

// "07" for 7: the two digits of a clock's hours, minutes and seconds.
std::string TwoDigits(int value);

} // namespace halvo
