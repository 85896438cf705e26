// The common shape of a run: a program folder, the simulator on its COM1, the program started
// against it, and everything stopped once the simulator has sent its frames.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "harness/clock_plan.h"
#include "harness/clock_record.h"
#include "harness/program_folder.h"
#include "harness/program_run.h"
#include "harness/safe_run.h"
#include "harness/simulator_run.h"
#include "harness/x_display.h"

namespace gpsclock::e2e {

struct Scenario {
  std::string config = "4,1,0,5\r\n";
  std::string trackingLogBefore;  // the tracking log's bytes before the start; none when empty
  std::int64_t gpsSeconds = UtcSeconds(2024, 5, 6, 12, 20, 0);  // the device's time about now
  std::int64_t pcAheadSeconds = 0;
  bool setSucceeds = true;
  bool onDisplay = false;  // a private X display for the window, else none (offscreen)
  std::vector<std::string> simulatorOptions;  // with --frames or --duration, so that the run ends
};

struct ScenarioOutcome {
  bool simulatorEnded = false;
  bool programRanToTheEnd = false;
  bool machineClockUnstepped = false;
  std::vector<SentFrame> frames;
  ClockRecord clock;
  std::string trackingLog;
};

class ScenarioRun {
 public:
  // Starts the simulator and then the program, only once the COM1 link is there: without it the
  // program would open /dev/ttyS0.
  explicit ScenarioRun(const Scenario& scenario);

  bool Started() const { return program_.has_value(); }
  // What kept the program from being started.
  const std::string& StartProblem() const { return startProblem_; }
  // The program's X display, for a scenario on a display.
  std::string DisplayName() const { return display_ ? display_->Name().value_or("") : ""; }
  SimulatorRun& Simulator() { return simulator_; }
  ProgramRun& Program() { return *program_; }
  // Waits for the simulator to send its frames and end, then stops the program.
  ScenarioOutcome Finish();

 private:
  MachineClockWatch machineClock_;
  ProgramFolder folder_;
  std::optional<XDisplay> display_;
  ClockPlan plan_;
  SimulatorRun simulator_;
  std::optional<ProgramRun> program_;
  std::string startProblem_;
};

// The frames after the first, whose start bytes are the marks of the frames before them.
std::vector<SentFrame> Marks(const std::vector<SentFrame>& frames);

}  // namespace gpsclock::e2e
