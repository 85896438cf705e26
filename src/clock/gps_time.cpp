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

}  // namespace gpsclock
