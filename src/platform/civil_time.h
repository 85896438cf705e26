// Civil time (a calendar date and a time of day, no time zone) counted in nanoseconds from
// 1970-01-01 00:00:00, and the one test of whether a date and time of day exist.
#pragma once

#include <cstdint>

#include "platform/local_clock.h"
#include "platform/time_units.h"

namespace gpsclock {

Nanoseconds CivilNanoseconds(int year, int month, int day, int hour, int minute, int second,
                             int milliseconds = 0);
// The day of week plays no part.
Nanoseconds CivilNanoseconds(const LocalTimeRecord& record);
// The record of a civil time, cut to whole milliseconds, with its day of week.
LocalTimeRecord CivilRecord(Nanoseconds civil);

// A date that exists and a time of day that every day has: no 13th month, no 30 February, no
// 24th hour, no second 60, no 1000th millisecond.
bool IsCivilTime(const LocalTimeRecord& record);

}  // namespace gpsclock
