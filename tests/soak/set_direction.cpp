// A set moves the clock away from GPS time when the error after it exceeds the error before it by
// more than an outright set's milliseconds and the drift of a second.
#include "soak/set_direction.h"

#include <cstdlib>

namespace gpsclock {
namespace {

constexpr Nanoseconds kDriftAllowance = kNanosecondsPerMillisecond;

double Milliseconds(Nanoseconds time) {
  return static_cast<double>(time) / kNanosecondsPerMillisecond;
}

}  // namespace

void SetDirection::OnSet(const SimulatedClock::SetCall& set, std::int16_t baudDelayMs) {
  if (!set.succeeded) return;
  const Nanoseconds gpsTime = gpsAtStart_ + set.at;
  const Nanoseconds errorBefore = std::abs(set.before - gpsTime);
  const Nanoseconds errorAfter = std::abs(set.before + set.moved - gpsTime);
  if (errorAfter <= errorBefore + baudDelayMs * kNanosecondsPerMillisecond + kDriftAllowance)
    return;
  onViolation_("a set at virtual " + std::to_string(Milliseconds(set.at)) +
               " ms moved the clock from " + std::to_string(Milliseconds(errorBefore)) + " to " +
               std::to_string(Milliseconds(errorAfter)) + " ms off GPS time");
}

}  // namespace gpsclock
