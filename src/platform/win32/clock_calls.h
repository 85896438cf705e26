// The Windows calls the PC clock makes, behind one face, so that the clock's arithmetic is tested
// without setting anything.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/civil_time.h"
#include "platform/local_clock.h"

namespace gpsclock {

// The PC clock and the performance counter read together.
struct LocalReading {
  Nanoseconds civil = 0;         // local civil time, to 100 ns
  std::int64_t monotonicNs = 0;  // the performance counter in nanoseconds
};

class ClockCalls {
 public:
  virtual ~ClockCalls() = default;
  virtual LocalTimeRecord GetLocalTime() = 0;
  // Nothing when the local time cannot be worked out.
  virtual std::optional<LocalReading> ReadLocal() = 0;
  virtual std::int64_t MonotonicNs() = 0;
  // Enables SeSystemtimePrivilege in the process's token; false when the token does not hold it.
  virtual bool EnableSetPrivilege() = 0;
  // False when Windows refuses the set.
  virtual bool SetLocalTime(const LocalTimeRecord& record) = 0;
};

// The real calls: GetLocalTime, GetSystemTimePreciseAsFileTime, QueryPerformanceCounter,
// AdjustTokenPrivileges, SetLocalTime.
ClockCalls& SystemClockCalls();

}  // namespace gpsclock
