// Calendar arithmetic through std::chrono's civil days.
#include "platform/civil_time.h"

#include <chrono>

namespace gpsclock {
namespace {

using namespace std::chrono;

// The greatest multiple of `unit` not above `value`, also before 1970.
Nanoseconds FloorTo(Nanoseconds value, Nanoseconds unit) {
  const Nanoseconds remainder = value % unit;
  return value - (remainder < 0 ? remainder + unit : remainder);
}

}  // namespace

Nanoseconds CivilNanoseconds(int year, int month, int day, int hour, int minute, int second,
                             int milliseconds) {
  const sys_days date = year_month_day{std::chrono::year{year}, std::chrono::month{unsigned(month)},
                                       std::chrono::day{unsigned(day)}};
  const Nanoseconds days = date.time_since_epoch().count();
  return days * kNanosecondsPerDay +
         ((hour * 60LL + minute) * 60 + second) * kNanosecondsPerSecond +
         milliseconds * kNanosecondsPerMillisecond;
}

Nanoseconds CivilNanoseconds(const LocalTimeRecord& r) {
  return CivilNanoseconds(r.Year, r.Month, r.Day, r.Hour, r.Minute, r.Second, r.Milliseconds);
}

LocalTimeRecord CivilRecord(Nanoseconds civil) {
  const Nanoseconds dayStart = FloorTo(civil, kNanosecondsPerDay);
  const sys_days date{std::chrono::days{dayStart / kNanosecondsPerDay}};
  const year_month_day ymd{date};
  const Nanoseconds ms = (civil - dayStart) / kNanosecondsPerMillisecond;
  LocalTimeRecord record;
  record.Year = static_cast<std::uint16_t>(int(ymd.year()));
  record.Month = static_cast<std::uint16_t>(unsigned(ymd.month()));
  record.DayOfWeek = static_cast<std::uint16_t>(weekday{date}.c_encoding());
  record.Day = static_cast<std::uint16_t>(unsigned(ymd.day()));
  record.Hour = static_cast<std::uint16_t>(ms / 3'600'000);
  record.Minute = static_cast<std::uint16_t>(ms / 60'000 % 60);
  record.Second = static_cast<std::uint16_t>(ms / 1000 % 60);
  record.Milliseconds = static_cast<std::uint16_t>(ms % 1000);
  return record;
}

// The fields are checked against the calendar's ranges before they make a date, whose parts keep
// only the values they can hold.
bool IsCivilTime(const LocalTimeRecord& r) {
  if (r.Year > int{std::chrono::year::max()} || r.Month < 1 || r.Month > 12 || r.Day < 1 ||
      r.Day > 31) {
    return false;
  }
  const year_month_day date{std::chrono::year{r.Year}, std::chrono::month{r.Month},
                            std::chrono::day{r.Day}};
  return date.ok() && r.Hour <= 23 && r.Minute <= 59 && r.Second <= 59 && r.Milliseconds <= 999;
}

}  // namespace gpsclock
