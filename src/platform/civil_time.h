// Civil time (a calendar date and a time of day, no time zone) counted in nanoseconds from
// 1970-01-01 00:00:00, and how far a set of the clock to a local-time record moves it.
#pragma once

#include <cstdint>

#include "platform/local_clock.h"

namespace gpsclock {

using Nanoseconds = std::int64_t;

Nanoseconds CivilNanoseconds(int year, int month, int day, int hour, int minute, int second,
                             int milliseconds = 0);
// The day of week plays no part.
Nanoseconds CivilNanoseconds(const LocalTimeRecord& record);
// The record of a civil time, cut to whole milliseconds, with its day of week.
LocalTimeRecord CivilRecord(Nanoseconds civil);

// A date that exists and a time of day that every day has: no 13th month, no 30 February, no
// 24th hour, no second 60, no 1000th millisecond.
bool IsCivilTime(const LocalTimeRecord& record);

// How far a set to `record` moves a clock that was read as the civil time `reading` (to the
// nanosecond): by the difference of the two as calendar fields, never by a zone's rules, so the
// offset in force at the reading holds. A record equal to the reading moves the clock by nothing;
// any other names its time to the whole millisecond, so the part of the reading below the
// millisecond, which no record shows, is not kept.
Nanoseconds SetDistance(Nanoseconds reading, const LocalTimeRecord& record);

}  // namespace gpsclock
