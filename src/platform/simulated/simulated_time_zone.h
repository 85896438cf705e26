// The time zone of the simulated PC clock: a standard offset from UTC and, for a zone with
// daylight saving, the yearly rules that put the clock an hour ahead and back again.
#pragma once

#include <optional>

#include "platform/civil_time.h"

namespace gpsclock {

// A change of the year on the given Sunday of the month (1 = the first), at the hour of the
// local time in force until then.
struct ZoneChange {
  int month = 1;
  int sunday = 1;
  int hour = 0;
};

// North of the equator: the start comes first in the year.
struct DaylightSaving {
  ZoneChange start;  // the clock goes an hour forward
  ZoneChange end;    // the clock goes an hour back
};

class SimulatedTimeZone {
 public:
  static SimulatedTimeZone Utc() { return FixedOffset(0); }
  static SimulatedTimeZone FixedOffset(int minutesEastOfUtc);
  // America/New_York since 2007: UTC-5, daylight saving from the second Sunday of March, 02:00,
  // to the first Sunday of November, 02:00.
  static SimulatedTimeZone NewYork();

  // Local civil time minus UTC at the instant `utc`.
  Nanoseconds OffsetAt(Nanoseconds utc) const;
  Nanoseconds LocalFromUtc(Nanoseconds utc) const { return utc + OffsetAt(utc); }
  // The instant a local civil time names. In the hour repeated in autumn it is the first of the
  // two; a local time skipped in spring is taken in standard time, which lands after the skip.
  Nanoseconds UtcFromLocal(Nanoseconds local) const;

 private:
  SimulatedTimeZone(Nanoseconds standardOffset, std::optional<DaylightSaving> daylightSaving)
      : standardOffset_(standardOffset), daylightSaving_(daylightSaving) {}
  Nanoseconds standardOffset_;
  std::optional<DaylightSaving> daylightSaving_;
};

}  // namespace gpsclock
