// The soak: days of frames from a GPS clock device to a program on the simulated platform, with a
// drifting PC clock and the faults of a seeded plan. It checks the program's invariants after every
// event, the tracking log against its model, the clock's accuracy in every clean hour and that
// memory stays flat.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <iosfwd>
#include <random>
#include <string>

#include "soak/fault_plan.h"
#include "soak/lock_log_model.h"
#include "soak/mark_accuracy.h"
#include "soak/program_invariants.h"
#include "soak/set_direction.h"
#include "support/simulated_platform.h"

namespace gpsclock {

struct SoakOptions {
  int days = 7;
  std::uint64_t seed = 20240226;
};

class Soak {
 public:
  explicit Soak(const SoakOptions& options);

  // Runs every simulated second, printing a line a day and the figures at the end; false when
  // anything was found wrong.
  bool Run(std::ostream& out);

 private:
  void StartDay();
  const Fault* ActiveFault(std::int64_t second);
  void RunSecond(std::int64_t second);
  void SendFrame(std::int64_t second, const Fault* fault);
  void ActBetweenFrames(const Fault& fault, std::int64_t second);
  void SendGarbage();
  void AcceptSettings(int portNumber);
  void EndOfSecond(std::int64_t second);
  void EndOfHour();
  void EndOfDay(std::int64_t day, std::ostream& out);
  bool JudgesResidentMemory() const;
  bool DeviceReachesProgram() const;
  std::int64_t Between(std::int64_t lowest, std::int64_t highest);
  void Violation(const std::string& description);
  void Report(std::ostream& out, double wallSeconds) const;

  SoakOptions options_;
  std::mt19937_64 random_;
  SimulatedProgram sim_;
  ProgramInvariants invariants_;
  FaultPlan plan_;
  std::deque<Fault> faults_;
  LockLogModel logModel_;
  MarkAccuracy accuracy_;
  SetDirection setDirection_;
  bool trackingLogWritable_ = true;
  double slowestPpm_ = 0;
  double fastestPpm_ = 0;

  std::uint64_t framesSent_ = 0;
  std::uint64_t framesCut_ = 0;
  std::uint64_t framesDropped_ = 0;
  std::uint64_t framesNotReceived_ = 0;  // sent while the port was closed or another one open
  std::uint64_t garbageBytes_ = 0;
  std::uint64_t setsMade_ = 0;
  std::uint64_t setsRefused_ = 0;
  std::array<std::uint64_t, kFaultKinds> faultsInjected_{};
  std::size_t mostPendingActions_ = 0;
  std::size_t residentAfterFirstDay_ = 0;
  std::size_t residentAtEnd_ = 0;
  std::uint64_t violations_ = 0;
};

}  // namespace gpsclock
