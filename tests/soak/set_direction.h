// Every set must leave the PC clock no further from GPS time than it found it, but for a set at a
// start byte in noise, which the program cannot tell from the true mark: those are counted, any
// other is a fault.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/simulated/simulated_clock.h"

namespace gpsclock {

class SetDirection {
 public:
  using ViolationHandler = std::function<void(const std::string&)>;

  // Virtual time 0 is GPS time `gpsAtStart`.
  SetDirection(Nanoseconds gpsAtStart, ViolationHandler onViolation)
      : gpsAtStart_(gpsAtStart), onViolation_(std::move(onViolation)) {}

  // `markMayBeFalse`: noise came in the second of the set, so its start byte may have been in it.
  void OnSet(const SimulatedClock::SetCall& set, std::int16_t baudDelayMs, bool markMayBeFalse);

  std::uint64_t SetsAtFalseMarks() const { return setsAtFalseMarks_; }
  Nanoseconds WorstSetAtFalseMark() const { return worstSetAtFalseMark_; }

 private:
  Nanoseconds gpsAtStart_;
  ViolationHandler onViolation_;
  std::uint64_t setsAtFalseMarks_ = 0;
  Nanoseconds worstSetAtFalseMark_ = 0;
};

}  // namespace gpsclock
