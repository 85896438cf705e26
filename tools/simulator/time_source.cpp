// Sleeps on CLOCK_REALTIME to absolute deadlines, so that the start bytes keep to the second
// boundaries however long each byte's work takes.
#include "time_source.h"

#include <cerrno>
#include <ctime>

#include "stop_request.h"

namespace gpsclock::simulator {
namespace {

std::int64_t ReadClock(clockid_t clock) {
  timespec now{};
  clock_gettime(clock, &now);
  return now.tv_sec * kNanosecondsPerSecond + now.tv_nsec;
}

}  // namespace

std::int64_t RealtimeNow() {
  return ReadClock(CLOCK_REALTIME);
}
std::int64_t MonotonicNow() {
  return ReadClock(CLOCK_MONOTONIC);
}

std::int64_t TimeSource::Now() const {
  return RealtimeNow() + offsetNs_;
}

bool TimeSource::SleepUntil(std::int64_t deviceNs) const {
  const std::int64_t realNs = deviceNs - offsetNs_;
  const timespec deadline{static_cast<time_t>(realNs / kNanosecondsPerSecond),
                          static_cast<long>(realNs % kNanosecondsPerSecond)};
  while (!StopRequested()) {
    const int result = clock_nanosleep(CLOCK_REALTIME, TIMER_ABSTIME, &deadline, nullptr);
    if (result == 0) return true;
    if (result != EINTR) return false;
  }
  return false;
}

}  // namespace gpsclock::simulator
