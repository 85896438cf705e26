// What every run must show, whatever else it is for: the fake clock was loaded into the program,
// which ran without the right to set the clock; no other way of setting a clock was tried; no set
// moved the clock outside minutes 10..50; and the machine's clock did not jump.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "harness/clock_record.h"

namespace gpsclock::e2e {

class MachineClockWatch {
 public:
  MachineClockWatch();
  // Whether CLOCK_REALTIME still runs with CLOCK_MONOTONIC as when the watch began: a set of the
  // machine's clock would have made it jump.
  bool Unstepped() const;

 private:
  std::int64_t realtimeMinusMonotonicNs_;
};

// What made the run unsafe, one text each; nothing for a safe run.
std::vector<std::string> SafetyProblems(const ClockRecord& record);

}  // namespace gpsclock::e2e
