// CPU time is counted from the first frame on, so that start-up is left out.
#include "resource_use.h"

#include <thread>

namespace gpsclock::bench {

using namespace e2e;

namespace {

constexpr std::chrono::seconds kFirstFrameTimeout{20};

}  // namespace

ResourceUse MeasureResourceUse(const std::string& program, int seconds) {
  ScenarioRun run(MarkScenario(program, seconds + 1));
  ResourceUse use;
  if (!run.Started() || !run.Simulator().WaitForFrames(1, kFirstFrameTimeout)) {
    use.sets.problems.push_back("no frame went out: " + run.StartProblem());
    return use;
  }
  ChildProcess& process = run.Program().Process();
  const auto cpuBefore = process.CpuTime();
  std::this_thread::sleep_for(std::chrono::seconds(seconds));
  const auto cpuUsed = process.CpuTime() - cpuBefore;
  use.cpuPercentOfOneCore = 100.0 * cpuUsed.count() / (seconds * 1e6);
  use.peakResidentMib = process.PeakResidentKib() / 1024.0;
  use.sets = JudgeSets(run.Finish());
  return use;
}

}  // namespace gpsclock::bench
