// The program is stopped only after the simulator's side of the port has gone away, so that every
// mark the simulator sent has been handled.
#include "harness/scenario.h"

#include <chrono>
#include <filesystem>
#include <thread>

namespace gpsclock::e2e {
namespace {

constexpr std::chrono::seconds kSimulatorTimeout{90};
constexpr std::chrono::milliseconds kSettleTime{300};
constexpr std::chrono::milliseconds kPollInterval{50};

void Prepare(const ProgramFolder& folder, const Scenario& scenario) {
  folder.Write(folder.Path("config.cfg"), scenario.config);
  if (!scenario.trackingLogBefore.empty()) {
    folder.Write(folder.Path(kTrackingLogName), scenario.trackingLogBefore);
  }
}

std::vector<std::string> SimulatorOptions(const ClockPlan& plan,
                                          const std::vector<std::string>& asked) {
  std::vector<std::string> options{"--offset", std::to_string(plan.deviceOffsetSeconds)};
  options.insert(options.end(), asked.begin(), asked.end());
  return options;
}

}  // namespace

ScenarioRun::ScenarioRun(const Scenario& scenario)
    : folder_(scenario.program),
      display_(scenario.onDisplay ? std::optional<XDisplay>(std::in_place, folder_.TestFile(""))
                                  : std::nullopt),
      plan_(PlanClocks(scenario.gpsSeconds, scenario.pcAheadSeconds)),
      fakeClock_{plan_.pcOffsetNs, scenario.setSucceeds, scenario.timeZone} {
  Prepare(folder_, scenario);
  if (scenario.deviceAtStart) {
    devices_.push_back(std::make_unique<SimulatorRun>(
        folder_, SimulatorOptions(plan_, scenario.simulatorOptions), 1, scenario.timeZone));
  } else {
    std::filesystem::create_symlink(folder_.TestFile("no-device"), folder_.Path("COM1"));
  }
  if (scenario.programStartsAtOnce) StartProgram();
}

bool ScenarioRun::StartProgram() {
  if (program_) return true;
  if (display_ && !display_->Name()) {
    startProblem_ = "Xvfb did not start";
  } else if (!devices_.empty() && !Simulator().Linked()) {
    startProblem_ = "the simulator made no COM1 link: " + Simulator().Messages();
  } else {
    program_.emplace(folder_, fakeClock_, display_ ? display_->Name() : std::nullopt);
  }
  return Started();
}

bool ScenarioRun::PlugInNewDevice(const std::vector<std::string>& options) {
  const int device = static_cast<int>(devices_.size()) + 1;
  devices_.push_back(std::make_unique<SimulatorRun>(folder_, SimulatorOptions(plan_, options),
                                                    device, fakeClock_.timeZone));
  return Simulator().Linked();
}

ScenarioOutcome ScenarioRun::Finish() {
  ScenarioOutcome outcome;
  if (!Started()) return outcome;
  // A program that ended early leaves the simulator waiting for a reader for ever.
  const auto deadline = std::chrono::steady_clock::now() + kSimulatorTimeout;
  do {
    outcome.simulatorEnded = Simulator().WaitForEnd(kPollInterval);
  } while (!outcome.simulatorEnded && program_->Running() &&
           std::chrono::steady_clock::now() < deadline);
  std::this_thread::sleep_for(kSettleTime);
  outcome.programRanToTheEnd = program_->Running();
  program_->Stop();
  outcome.machineClockUnstepped = machineClock_.Unstepped();
  for (const auto& device : devices_) {
    const std::vector<SentFrame> frames = device->Frames();
    outcome.frames.insert(outcome.frames.end(), frames.begin(), frames.end());
  }
  outcome.clock = program_->Record();
  outcome.trackingLog = program_->TrackingLog();
  return outcome;
}

std::vector<SentFrame> Marks(const std::vector<SentFrame>& frames) {
  return frames.empty() ? frames : std::vector<SentFrame>(frames.begin() + 1, frames.end());
}

}  // namespace gpsclock::e2e
