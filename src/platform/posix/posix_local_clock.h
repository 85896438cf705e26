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

class PosixLocalClock : public LocalClock {
 public:
  std::optional<LocalTimeRecord> GetLocalTime() override;
  // Moves the clock by SetDistance from the last reading to `record`, so that the zone's offset
  // in force at the reading holds; before any reading, the clock is read first. Fails for an
  // impossible record and without the right to set the clock (CAP_SYS_TIME).
  bool SetLocalTime(const LocalTimeRecord& record) override;

 private:
  // Local civil time to the nanosecond, as read and then moved by the sets since.
  std::optional<Nanoseconds> lastReading_;
};

}  // namespace gpsclock
