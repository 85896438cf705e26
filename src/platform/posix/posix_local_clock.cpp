// Exactly clock_gettime and clock_settime touch the clock, so nothing else can move it.
#include "platform/posix/posix_local_clock.h"

#include <ctime>

#include "platform/posix/local_time_conversion.h"

namespace gpsclock {

std::optional<LocalTimeRecord> PosixLocalClock::GetLocalTime() {
  timespec now{};
  if (clock_gettime(CLOCK_REALTIME, &now) != 0) return {};
  return LocalTimeFromTimespec(now);
}

bool PosixLocalClock::SetLocalTime(const LocalTimeRecord& record) {
  const auto time = TimespecFromLocalTime(record);
  return time && clock_settime(CLOCK_REALTIME, &*time) == 0;
}

}  // namespace gpsclock
