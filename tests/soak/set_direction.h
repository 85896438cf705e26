// Every set must leave the PC clock no further from GPS time than it found it: a start byte in
// noise is never confirmed by the frame after it, so no set comes from one.
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

  void OnSet(const SimulatedClock::SetCall& set, std::int16_t baudDelayMs);

 private:
  Nanoseconds gpsAtStart_;
  ViolationHandler onViolation_;
};

}  // namespace gpsclock
