// The PC's local wall clock, read and set as a local-time record.
#pragma once

#include <cstdint>
#include <optional>

namespace gpsclock {

// Eight fields in the platform's order; DayOfWeek 0 = Sunday.
struct LocalTimeRecord {
  std::uint16_t Year = 0;
  std::uint16_t Month = 0;
  std::uint16_t DayOfWeek = 0;
  std::uint16_t Day = 0;
  std::uint16_t Hour = 0;
  std::uint16_t Minute = 0;
  std::uint16_t Second = 0;
  std::uint16_t Milliseconds = 0;

  friend bool operator==(const LocalTimeRecord&, const LocalTimeRecord&) = default;
};

class LocalClock {
 public:
  virtual ~LocalClock() = default;
  virtual std::optional<LocalTimeRecord> GetLocalTime() = 0;
  // Sets the clock from the record's date, time and milliseconds; the day of week is ignored.
  // The clock moves by the difference between the record and the last reading as calendar
  // fields, from the moment of the set: the record unchanged moves it by nothing, and the zone's
  // offset in force at the reading holds, also in an hour that daylight saving repeats or skips.
  virtual bool SetLocalTime(const LocalTimeRecord& record) = 0;
};

}  // namespace gpsclock
