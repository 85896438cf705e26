// chronyd runs on the machine's clock, so the program's fake clock refuses every set and stays on
// the clock chronyd reads.
#include "time_server_figures.h"

#include <algorithm>

#include "harness/chrony_server.h"
#include "harness/scenario.h"

namespace gpsclock::bench {
namespace {

using namespace e2e;

constexpr std::chrono::seconds kServingTimeout{10};

}  // namespace

ChronyJitter MeasureChronyJitter(const std::string& program, int seconds) {
  Scenario scenario = ChronyScenario({"--duration", std::to_string(seconds)});
  scenario.program = program;
  ScenarioRun run(scenario);
  ChronyServer chrony(run.Folder());
  if (!chrony.WaitUntilServing(kServingTimeout))
    return {{}, {}, {}, 0, {"chronyd: " + chrony.Messages()}};
  if (!run.StartProgram()) return {{}, {}, {}, 0, {run.StartProblem()}};
  // Finish waits only so long for the simulator to end.
  run.Simulator().WaitForFrames(seconds - 1, std::chrono::seconds(seconds + 30));
  const ScenarioOutcome outcome = run.Finish();
  ChronyJitter jitter{chrony.Report("sources"), chrony.Report("sourcestats"),
                      chrony.RawSampleOffsets("GPS"), 0, SafetyProblems(outcome.clock)};
  for (std::size_t index = 1; index < outcome.frames.size(); ++index) {
    const std::int64_t gap =
        outcome.frames[index].startByteMonotonicNs - outcome.frames[index - 1].startByteMonotonicNs;
    jitter.simulatorLatestNs = std::max(jitter.simulatorLatestNs, gap - kNanosecondsPerSecond);
  }
  if (!chrony.Source("GPS")) jitter.problems.push_back("chronyd lists no source GPS");
  if (!outcome.simulatorEnded) jitter.problems.push_back("the simulator did not end");
  return jitter;
}

}  // namespace gpsclock::bench
