// The simulated device's clock: this machine's clock plus an offset. The machine's clock is only
// ever read.
#pragma once

#include <cstdint>

#include "platform/time_units.h"

namespace gpsclock::simulator {

class TimeSource {
 public:
  explicit TimeSource(std::int64_t offsetNs) : offsetNs_(offsetNs) {}

  // Nanoseconds since the epoch on the device's clock.
  std::int64_t Now() const;
  // Moves the device's clock so that it shows `deviceNs` at the machine's `realNs`.
  void ShowAt(std::int64_t deviceNs, std::int64_t realNs) { offsetNs_ = deviceNs - realNs; }
  // Sleeps until the device's clock shows `deviceNs`; false when a stop was requested.
  bool SleepUntil(std::int64_t deviceNs) const;

 private:
  std::int64_t offsetNs_;
};

std::int64_t RealtimeNow();
// The stamp the latency benchmark compares with the program's: CLOCK_MONOTONIC in nanoseconds.
std::int64_t MonotonicNow();

}  // namespace gpsclock::simulator
