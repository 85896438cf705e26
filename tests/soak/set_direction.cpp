// A set moves the clock away from GPS time when the error after it exceeds the error before it by
// more than an outright set's milliseconds and the drift of a second.
#include "soak/set_direction.h"

#include <algorithm>
#include <cstdlib>

namespace gpsclock {
namespace {

constexpr Nanoseconds kDriftAllowance = VirtualTime::kMillisecond;

double Milliseconds(Nanoseconds time) {
  return static_cast<double>(time) / VirtualTime::kMillisecond;
}

}  // namespace

void SetDirection::OnSet(const SimulatedClock::SetCall& set, std::int16_t baudDelayMs,
                         bool markMayBeFalse) {
  if (!set.succeeded) return;
  const Nanoseconds gpsTime = gpsAtStart_ + set.at;
  const Nanoseconds errorBefore = std::abs(set.before - gpsTime);
  const Nanoseconds errorAfter = std::abs(CivilNanoseconds(set.record) - gpsTime);
  if (errorAfter <= errorBefore + baudDelayMs * VirtualTime::kMillisecond + kDriftAllowance) return;
  if (markMayBeFalse) {
    ++setsAtFalseMarks_;
    worstSetAtFalseMark_ = std::max(worstSetAtFalseMark_, errorAfter);
    return;
  }
  onViolation_("a set at virtual " + std::to_string(Milliseconds(set.at)) +
               " ms moved the clock from " + std::to_string(Milliseconds(errorBefore)) + " to " +
               std::to_string(Milliseconds(errorAfter)) + " ms off GPS time");
}

}  // namespace gpsclock
