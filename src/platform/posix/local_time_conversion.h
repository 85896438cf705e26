// Conversions between the POSIX real-time clock and local-time records, through the time zone
// the process has now (TZ or /etc/localtime).
#pragma once

#include <ctime>
#include <optional>

#include "platform/local_clock.h"

namespace gpsclock {

// Nothing when the instant has no local time a record can hold.
std::optional<LocalTimeRecord> LocalTimeFromTimespec(const timespec& time);

// The instant of the record's local date and time; daylight saving is whatever the zone has on
// that date, and the day of week is ignored. Nothing for an impossible date or time.
std::optional<timespec> TimespecFromLocalTime(const LocalTimeRecord& record);

}  // namespace gpsclock
