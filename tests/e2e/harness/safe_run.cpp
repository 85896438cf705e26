// A set that asks for the clock's own reading (the write-back outside the window) moves nothing.
#include "harness/safe_run.h"

#include <cstdlib>
#include <ctime>

#include "harness/clock_plan.h"

namespace gpsclock::e2e {
namespace {

// Slewing by a time service moves the machine's clock by at most half a millisecond a second.
constexpr std::int64_t kMachineClockToleranceNs = 100 * kNanosecondsPerMillisecond;
// A write-back asks for what was read a few microseconds before.
constexpr std::int64_t kUnchangedToleranceNs = 50 * kNanosecondsPerMillisecond;
constexpr int kFirstWindowMinute = 10;
constexpr int kLastWindowMinute = 50;

std::int64_t RealtimeMinusMonotonicNs() {
  timespec realtime{};
  timespec monotonic{};
  clock_gettime(CLOCK_REALTIME, &realtime);
  clock_gettime(CLOCK_MONOTONIC, &monotonic);
  return (realtime.tv_sec - monotonic.tv_sec) * kNanosecondsPerSecond +
         (realtime.tv_nsec - monotonic.tv_nsec);
}

}  // namespace

MachineClockWatch::MachineClockWatch() : realtimeMinusMonotonicNs_(RealtimeMinusMonotonicNs()) {}

bool MachineClockWatch::Unstepped() const {
  return std::llabs(RealtimeMinusMonotonicNs() - realtimeMinusMonotonicNs_) <
         kMachineClockToleranceNs;
}

std::vector<std::string> SafetyProblems(const ClockRecord& record) {
  std::vector<std::string> problems;
  if (record.loads.size() != 1) {
    problems.push_back("the fake clock was loaded " + std::to_string(record.loads.size()) +
                       " times instead of once");
  }
  for (const ClockLoad& load : record.loads) {
    if (load.userId == 0) problems.push_back("the program ran as root");
    if (load.effectiveCapabilities != 0) problems.push_back("the program had capabilities");
  }
  for (const std::string& function : record.violations) {
    problems.push_back("the program called " + function);
  }
  for (const ClockSet& set : record.sets) {
    if (std::llabs(set.askedNs - set.clockWasNs) <= kUnchangedToleranceNs) continue;
    const int minute = UtcMinute(set.clockWasNs);
    if (minute < kFirstWindowMinute || minute > kLastWindowMinute) {
      problems.push_back("the clock was moved at minute " + std::to_string(minute));
    }
  }
  return problems;
}

}  // namespace gpsclock::e2e
