// The faults the soak injects, drawn hour by hour from a seeded generator, so that every run with
// the same seed meets the same faults at the same seconds.
#pragma once

#include <cstdint>
#include <random>
#include <string_view>
#include <vector>

namespace gpsclock {

enum class FaultKind {
  kLockLoss,          // the device reports V
  kGarbage,           // a burst of noise after each frame
  kDroppedFrames,     // the device sends nothing
  kCutFrames,         // frames break off before their end
  kPortToggle,        // Disconnect, later Disconnect again
  kDeviceUnplugged,   // the port goes away; plugged back, it is opened again by the program
  kSyncToggle,        // StopTime, later StopTime again
  kSettingsOk,        // the settings dialog's OK with the same port and speed
  kWrongPort,         // OK with port 2, later OK with port 1 again
  kConfigUnwritable,  // OK while config.cfg cannot be written, then Cancel
  kTrackingLogFails,  // the tracking log cannot be written while the lock is lost and regained
  kClockSetsRefused,  // the PC clock refuses to be set for a while
  kPcClockSetByHand,  // someone moves the PC clock by up to ten minutes
  kCount
};

inline constexpr std::size_t kFaultKinds = static_cast<std::size_t>(FaultKind::kCount);

std::string_view FaultName(FaultKind kind);

// One fault, from its first to its last second (virtual seconds, both included).
struct Fault {
  FaultKind kind;
  std::int64_t firstSecond;
  std::int64_t lastSecond;
};

class FaultPlan {
 public:
  explicit FaultPlan(std::mt19937_64& random) : random_(random) {}

  // The faults that start in the hour beginning at `hourStart`, in time order; none overlaps
  // another or one of an earlier hour.
  std::vector<Fault> PlanHour(std::int64_t hourStart);

 private:
  std::int64_t Duration(FaultKind kind);
  std::int64_t Between(std::int64_t lowest, std::int64_t highest);

  std::mt19937_64& random_;
  std::int64_t firstFreeSecond_ = 0;
};

}  // namespace gpsclock
