// Local time through localtime_r and mktime, with milliseconds carried in the nanoseconds.
#include "platform/posix/local_time_conversion.h"

#include <chrono>
#include <cstdint>
#include <limits>

namespace gpsclock {
namespace {

constexpr long kNanosecondsPerMillisecond = 1'000'000;
constexpr int kTmYearBase = 1900;

}  // namespace

std::optional<LocalTimeRecord> LocalTimeFromTimespec(const timespec& time) {
  // localtime_r alone may keep the zone it saw first; mktime always rereads it. Both directions
  // must agree when the user changes the zone while the program runs.
  tzset();
  tm local{};
  if (localtime_r(&time.tv_sec, &local) == nullptr) return {};
  const int year = local.tm_year + kTmYearBase;
  if (year < 0 || year > std::numeric_limits<std::uint16_t>::max()) return {};
  LocalTimeRecord record;
  record.Year = static_cast<std::uint16_t>(year);
  record.Month = static_cast<std::uint16_t>(local.tm_mon + 1);
  record.DayOfWeek = static_cast<std::uint16_t>(local.tm_wday);
  record.Day = static_cast<std::uint16_t>(local.tm_mday);
  record.Hour = static_cast<std::uint16_t>(local.tm_hour);
  record.Minute = static_cast<std::uint16_t>(local.tm_min);
  record.Second = static_cast<std::uint16_t>(local.tm_sec);
  record.Milliseconds = static_cast<std::uint16_t>(time.tv_nsec / kNanosecondsPerMillisecond);
  return record;
}

std::optional<timespec> TimespecFromLocalTime(const LocalTimeRecord& record) {
  // mktime would quietly carry an out-of-range field into the next one (13th month, 32nd day).
  const std::chrono::year_month_day date{std::chrono::year{record.Year},
                                         std::chrono::month{record.Month},
                                         std::chrono::day{record.Day}};
  if (!date.ok() || record.Hour > 23 || record.Minute > 59 || record.Second > 59 ||
      record.Milliseconds > 999) {
    return {};
  }
  tzset();
  tm local{};
  local.tm_year = record.Year - kTmYearBase;
  local.tm_mon = record.Month - 1;
  local.tm_mday = record.Day;
  local.tm_hour = record.Hour;
  local.tm_min = record.Minute;
  local.tm_sec = record.Second;
  local.tm_isdst = -1;
  const time_t seconds = mktime(&local);
  // -1 is also 1969-12-31 23:59:59 UTC, a moment no clock device reports.
  if (seconds == static_cast<time_t>(-1)) return {};
  return timespec{seconds, record.Milliseconds * kNanosecondsPerMillisecond};
}

}  // namespace gpsclock
