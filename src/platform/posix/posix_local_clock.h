// The PC's real clock, read and set through CLOCK_REALTIME in the local time zone.
#pragma once

#include <ctime>
#include <optional>

#include "platform/civil_time.h"
#include "platform/local_clock.h"

namespace gpsclock {

// The local civil time `time` reads as in the zone the process has now (TZ or /etc/localtime),
// to the nanosecond; nothing when it has no local time a record can hold.
std::optional<Nanoseconds> LocalCivilTime(const timespec& time);

// `time` moved on by `distance` (back when negative).
timespec MovedBy(const timespec& time, Nanoseconds distance);

// The zone's offset in force at `time`: its local civil time minus the instant.
std::optional<Nanoseconds> ZoneOffsetAt(const timespec& time);

// The instant at which a clock in a zone `zoneOffset` from UTC reads the local civil time `civil`.
timespec InstantOf(Nanoseconds civil, Nanoseconds zoneOffset);

class PosixLocalClock : public LocalClock {
 public:
  std::optional<LocalTimeRecord> GetLocalTime() override;
  // Both fail for an impossible record and without the right to set the clock (CAP_SYS_TIME).
  bool SetLocalTime(const LocalTimeRecord& record, const LocalTimeRecord& readAs) override;
  bool SetLocalTimeAsOf(const LocalTimeRecord& record, std::int64_t asOfMonotonicNs) override;
};

}  // namespace gpsclock
