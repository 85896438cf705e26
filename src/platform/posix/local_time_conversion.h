// Conversions between the POSIX real-time clock and local civil time, through the time zone the
// process has now (TZ or /etc/localtime). Only the way from the clock to local time needs the
// zone; a set is measured in civil time and moves the instant by as much (SetDistance).
#pragma once

#include <ctime>
#include <optional>

#include "platform/civil_time.h"

namespace gpsclock {

// The local civil time `time` reads as, to the nanosecond; nothing when it has no local time a
// record can hold.
std::optional<Nanoseconds> LocalCivilTime(const timespec& time);

// `time` moved on by `distance` (back when negative).
timespec MovedBy(const timespec& time, Nanoseconds distance);

}  // namespace gpsclock
