// The received time as a clock record.
#include "clock/gps_time.h"

#include "platform/civil_time.h"

namespace gpsclock {

// A negative field turns into a number no calendar has.
bool IsRealTime(const GpsTime& time) {
  return IsCivilTime(WithDateAndTime({}, time));
}

LocalTimeRecord WithDateAndTime(LocalTimeRecord record, const GpsTime& time) {
  record.Year = static_cast<std::uint16_t>(time.Year);
  record.Month = static_cast<std::uint16_t>(time.Month);
  record.Day = static_cast<std::uint16_t>(time.Day);
  record.Hour = static_cast<std::uint16_t>(time.Hour);
  record.Minute = static_cast<std::uint16_t>(time.Minute);
  record.Second = static_cast<std::uint16_t>(time.Second);
  return record;
}

}  // namespace gpsclock
