// The common shape of a run: a program folder, the simulator on its COM1, the program started
// against it, and everything stopped once the simulator has sent its frames.
#pragma once

#include <cstdint>
#include <memory>
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
  std::string timeZone = "UTC";  // of the PC and of the device's frames, as TZ names it
  bool setSucceeds = true;
  bool onDisplay = false;  // a private X display for the window, else none (offscreen)
  std::vector<std::string> simulatorOptions;  // with --frames or --duration, so that the run ends
  // False when the test first prepares the port or the folder, then calls StartProgram().
  bool programStartsAtOnce = true;
  // False for a COM1 that leads to no device until the test plugs one in.
  bool deviceAtStart = true;
  std::string program = kBuiltProgram;  // see ProgramFolder
};

struct ScenarioOutcome {
  bool simulatorEnded = false;
  bool programRanToTheEnd = false;
  bool machineClockUnstepped = false;
  // The frames of every device plugged in, one device after the other; each numbers its own from 1.
  std::vector<SentFrame> frames;
  ClockRecord clock;
  std::string trackingLog;
};

class ScenarioRun {
 public:
  // Starts the simulator and then, unless the scenario leaves that to the test, the program.
  explicit ScenarioRun(const Scenario& scenario);
  // Starts the program if it is not running yet, only once the COM1 link is there: without it the
  // program would open /dev/ttyS0. Whether it has been started.
  bool StartProgram();

  bool Started() const { return program_.has_value(); }
  // What kept the program from being started.
  const std::string& StartProblem() const { return startProblem_; }
  const ProgramFolder& Folder() const { return folder_; }
  // The fake PC clock the program runs with, for another program started in the same folder.
  const FakeClock& PcClock() const { return fakeClock_; }
  // The program's X display, for a scenario on a display.
  std::string DisplayName() const { return display_ ? display_->Name().value_or("") : ""; }
  // The device plugged in last.
  SimulatorRun& Simulator() { return *devices_.back(); }
  ProgramRun& Program() { return *program_; }
  // A device plugged in after the one before was pulled out: a new simulator with `options` and
  // the same clock, on a new pseudo-terminal that COM1 then leads to. False when it made no link.
  bool PlugInNewDevice(const std::vector<std::string>& options);
  // Waits for the simulator to send its frames and end, then stops the program.
  ScenarioOutcome Finish();

 private:
  MachineClockWatch machineClock_;
  ProgramFolder folder_;
  std::optional<XDisplay> display_;
  ClockPlan plan_;
  FakeClock fakeClock_;
  std::vector<std::unique_ptr<SimulatorRun>> devices_;
  std::optional<ProgramRun> program_;
  std::string startProblem_;
};

// The frames after the first, whose start bytes are the marks of the frames before them.
std::vector<SentFrame> Marks(const std::vector<SentFrame>& frames);

}  // namespace gpsclock::e2e
