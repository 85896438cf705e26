// CPU time is counted from the first frame on, so that start-up is left out.
#include "resource_use.h"

#include <thread>

namespace gpsclock::bench {

using namespace e2e;

namespace {

constexpr std::chrono::seconds kFirstFrameTimeout{20};

}  // namespace

ResourceUse MeasureResourceUse(int seconds) {
  Scenario scenario = MarkScenario();
  scenario.simulatorOptions = {"--frames", std::to_string(seconds + 1)};
  ScenarioRun run(scenario);
  ResourceUse use;
  if (!run.Started() || !run.Simulator().WaitForFrames(1, kFirstFrameTimeout)) {
    use.marks.problems.push_back("no frame went out: " + run.StartProblem());
    return use;
  }
  ChildProcess& program = run.Program().Process();
  const auto cpuBefore = program.CpuTime();
  std::this_thread::sleep_for(std::chrono::seconds(seconds));
  const auto cpuUsed = program.CpuTime() - cpuBefore;
  use.cpuPercentOfOneCore = 100.0 * cpuUsed.count() / (seconds * 1e6);
  use.peakResidentMib = program.PeakResidentKib() / 1024.0;
  use.marks = JoinMarks(run.Finish());
  return use;
}

}  // namespace gpsclock::bench
