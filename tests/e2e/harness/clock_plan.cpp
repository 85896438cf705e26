// The machine's clock is read here and nowhere set.
#include "harness/clock_plan.h"

#include <chrono>
#include <ctime>
#include <thread>

namespace gpsclock::e2e {

ClockPlan PlanClocks(std::int64_t gpsSeconds, std::int64_t pcAheadSeconds) {
  const std::int64_t machineSeconds = std::time(nullptr);
  return {gpsSeconds - machineSeconds,
          (gpsSeconds + pcAheadSeconds - machineSeconds) * kNanosecondsPerSecond};
}

std::int64_t UtcSeconds(int year, int month, int day, int hour, int minute, int second) {
  std::tm utc{};
  utc.tm_year = year - 1900;
  utc.tm_mon = month - 1;
  utc.tm_mday = day;
  utc.tm_hour = hour;
  utc.tm_min = minute;
  utc.tm_sec = second;
  return timegm(&utc);
}

int UtcMinute(std::int64_t nanoseconds) {
  const std::time_t seconds = static_cast<std::time_t>(nanoseconds / kNanosecondsPerSecond);
  std::tm utc{};
  gmtime_r(&seconds, &utc);
  return utc.tm_min;
}

std::int64_t MachineSecondNow() {
  timespec now{};
  for (;;) {
    clock_gettime(CLOCK_REALTIME, &now);
    if (now.tv_nsec < kNanosecondsPerSecond / 2) return now.tv_sec;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

std::int64_t MonotonicNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * kNanosecondsPerSecond + now.tv_nsec;
}

}  // namespace gpsclock::e2e
