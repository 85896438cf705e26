// Exactly clock_gettime and clock_settime touch the clock, so nothing else can move it. A set
// reads the clock again and moves it from there, so the time since the reading is not lost.
#include "platform/posix/posix_local_clock.h"

#include <ctime>

#include "platform/posix/local_time_conversion.h"

namespace gpsclock {

std::optional<LocalTimeRecord> PosixLocalClock::GetLocalTime() {
  timespec now{};
  if (clock_gettime(CLOCK_REALTIME, &now) != 0) return {};
  const auto local = LocalCivilTime(now);
  if (!local) return {};
  lastReading_ = local;
  return CivilRecord(*local);
}

bool PosixLocalClock::SetLocalTime(const LocalTimeRecord& record) {
  if (!IsCivilTime(record) || (!lastReading_ && !GetLocalTime())) return false;
  const Nanoseconds distance = SetDistance(*lastReading_, record);
  timespec now{};
  if (clock_gettime(CLOCK_REALTIME, &now) != 0) return false;
  const timespec target = MovedBy(now, distance);
  if (clock_settime(CLOCK_REALTIME, &target) != 0) return false;
  // A second set before the next reading is measured from where this one put the clock.
  *lastReading_ += distance;
  return true;
}

}  // namespace gpsclock
