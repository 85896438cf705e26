// The received time's validity.
#include "clock/gps_time.h"

#include <chrono>

namespace gpsclock {

bool IsRealTime(const GpsTime& time) {
  const std::chrono::year_month_day date{std::chrono::year{time.Year},
                                         std::chrono::month{static_cast<unsigned>(time.Month)},
                                         std::chrono::day{static_cast<unsigned>(time.Day)}};
  return time.Month >= 1 && time.Day >= 1 && date.ok() && time.Hour >= 0 && time.Hour <= 23 &&
         time.Minute >= 0 && time.Minute <= 59 && time.Second >= 0 && time.Second <= 59;
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
