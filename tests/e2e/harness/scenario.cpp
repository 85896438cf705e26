// The program is stopped only after the simulator's side of the port has gone away, so that every
// mark the simulator sent has been handled.
#include "harness/scenario.h"

#include <chrono>
#include <thread>

namespace gpsclock::e2e {
namespace {

constexpr std::chrono::seconds kSimulatorTimeout{90};
constexpr std::chrono::milliseconds kSettleTime{300};
constexpr std::chrono::milliseconds kPollInterval{50};

const ProgramFolder& Prepared(const ProgramFolder& folder, const Scenario& scenario) {
  folder.Write(folder.Path("config.cfg"), scenario.config);
  if (!scenario.trackingLogBefore.empty()) {
    folder.Write(folder.Path(kTrackingLogName), scenario.trackingLogBefore);
  }
  return folder;
}

std::vector<std::string> SimulatorOptions(const ClockPlan& plan, const Scenario& scenario) {
  std::vector<std::string> options{"--offset", std::to_string(plan.deviceOffsetSeconds)};
  options.insert(options.end(), scenario.simulatorOptions.begin(), scenario.simulatorOptions.end());
  return options;
}

}  // namespace

ScenarioRun::ScenarioRun(const Scenario& scenario)
    : display_(scenario.onDisplay ? std::optional<XDisplay>(std::in_place, folder_.TestFile(""))
                                  : std::nullopt),
      plan_(PlanClocks(scenario.gpsSeconds, scenario.pcAheadSeconds)),
      simulator_(Prepared(folder_, scenario), SimulatorOptions(plan_, scenario)) {
  if (display_ && !display_->Name()) {
    startProblem_ = "Xvfb did not start";
  } else if (!simulator_.Linked()) {
    startProblem_ = "the simulator made no COM1 link: " + simulator_.Messages();
  } else {
    program_.emplace(folder_, FakeClock{plan_.pcOffsetNs, scenario.setSucceeds},
                     display_ ? display_->Name() : std::nullopt);
  }
}

ScenarioOutcome ScenarioRun::Finish() {
  ScenarioOutcome outcome;
  if (!Started()) return outcome;
  // A program that ended early leaves the simulator waiting for a reader for ever.
  const auto deadline = std::chrono::steady_clock::now() + kSimulatorTimeout;
  do {
    outcome.simulatorEnded = simulator_.WaitForEnd(kPollInterval);
  } while (!outcome.simulatorEnded && program_->Running() &&
           std::chrono::steady_clock::now() < deadline);
  std::this_thread::sleep_for(kSettleTime);
  outcome.programRanToTheEnd = program_->Running();
  program_->Stop();
  outcome.machineClockUnstepped = machineClock_.Unstepped();
  outcome.frames = simulator_.Frames();
  outcome.clock = program_->Record();
  outcome.trackingLog = program_->TrackingLog();
  return outcome;
}

std::vector<SentFrame> Marks(const std::vector<SentFrame>& frames) {
  return frames.empty() ? frames : std::vector<SentFrame>(frames.begin() + 1, frames.end());
}

}  // namespace gpsclock::e2e
