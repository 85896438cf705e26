// A third of the hours run clean; the others meet one to four faults at random seconds.
#include "soak/fault_plan.h"

#include <algorithm>
#include <array>

namespace gpsclock {
namespace {

constexpr std::int64_t kSecondsPerHour = 3600;
constexpr int kMostFaultsPerHour = 4;
// The program tries a port it could not open again every 2 s.
constexpr std::int64_t kPortRetrySeconds = 2;

struct FaultTraits {
  std::string_view name;
  std::int64_t shortestSeconds;
  std::int64_t longestSeconds;
};

constexpr std::array<FaultTraits, kFaultKinds> kTraits = {{
    {"lock lost and regained", 5, 600},
    {"garbage bursts", 1, 20},
    {"dropped frames", 1, 60},
    {"cut frames", 1, 10},
    {"port toggled off and on", 1, 300},
    {"device unplugged and plugged back", 1, 300},
    {"synchronisation toggled off and on", 1, 900},
    {"settings OK", 0, 0},
    {"settings OK with the wrong port", 1, 120},
    {"settings OK with config.cfg unwritable", 0, 0},
    {"tracking log unwritable across a lock loss", 60, 3600},
    {"clock sets refused", 10, 600},
    {"PC clock set by hand", 0, 0},
}};

const FaultTraits& TraitsOf(FaultKind kind) {
  return kTraits[static_cast<std::size_t>(kind)];
}

// The faults that end with the port wanted open but not yet opened: the program's next try opens
// it. A fault that came before that try would find the port still closed, and a port toggle
// would then leave it closed for good.
bool EndsWithPortRetry(FaultKind kind) {
  return kind == FaultKind::kDeviceUnplugged || kind == FaultKind::kWrongPort;
}

}  // namespace

std::string_view FaultName(FaultKind kind) {
  return TraitsOf(kind).name;
}

std::vector<Fault> FaultPlan::PlanHour(std::int64_t hourStart) {
  std::vector<Fault> faults;
  if (Between(0, 2) == 0) return faults;
  const int count = static_cast<int>(Between(1, kMostFaultsPerHour));
  std::vector<std::int64_t> starts;
  for (int i = 0; i < count; ++i) starts.push_back(hourStart + Between(0, kSecondsPerHour - 1));
  std::sort(starts.begin(), starts.end());
  for (const std::int64_t start : starts) {
    const auto kind = static_cast<FaultKind>(Between(0, kFaultKinds - 1));
    const std::int64_t first = std::max(start, firstFreeSecond_);
    if (first >= hourStart + kSecondsPerHour) break;
    faults.push_back({kind, first, first + Duration(kind)});
    firstFreeSecond_ =
        faults.back().lastSecond + 1 + (EndsWithPortRetry(kind) ? kPortRetrySeconds : 0);
  }
  return faults;
}

std::int64_t FaultPlan::Duration(FaultKind kind) {
  const FaultTraits& traits = TraitsOf(kind);
  return Between(traits.shortestSeconds, traits.longestSeconds);
}

std::int64_t FaultPlan::Between(std::int64_t lowest, std::int64_t highest) {
  return std::uniform_int_distribution<std::int64_t>(lowest, highest)(random_);
}

}  // namespace gpsclock
