// A date and time as the frames carry it: what the receiver decodes and the clock discipline
// sets the PC clock to.
#pragma once

#include <cstdint>

#include "platform/local_clock.h"

namespace gpsclock {

// Year is the full year.
struct GpsTime {
  std::int16_t Second = 0;
  std::int16_t Minute = 0;
  std::int16_t Hour = 0;
  std::int16_t Month = 0;
  std::int16_t Year = 0;
  std::int16_t Day = 0;

  friend bool operator==(const GpsTime&, const GpsTime&) = default;
};

// A date that exists and a time of day that clocks show.
bool IsRealTime(const GpsTime& time);

// `record` with the date and time of day of `time`; its milliseconds and day of week stay.
LocalTimeRecord WithDateAndTime(LocalTimeRecord record, const GpsTime& time);

}  // namespace gpsclock
