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
  // Moves the clock, from where it is at the call, by the difference of `record` and `readAs` (a
  // reading GetLocalTime gave) as calendar fields to the millisecond: `record` equal to `readAs`
  // moves it by nothing, a record one second later exactly one second on, and the part below the
  // millisecond stays. The zone's offset in force holds, also in an hour that daylight saving
  // repeats or skips. The day of week is ignored.
  virtual bool SetLocalTime(const LocalTimeRecord& record, const LocalTimeRecord& readAs) = 0;
  // Sets the clock to where it should have been at the monotonic moment `asOfMonotonicNs` (the
  // arrival stamp of a byte), moved on by the time since: it then reads `record` plus the time
  // that has passed since that moment.
  virtual bool SetLocalTimeAsOf(const LocalTimeRecord& record, std::int64_t asOfMonotonicNs) = 0;
};

}  // namespace gpsclock
