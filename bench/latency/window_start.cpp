// The window counts as shown when X reports it mapped; that is looked for every 10 ms.
#include "window_start.h"

#include "harness/main_window_driver.h"
#include "harness/scenario.h"

namespace gpsclock::bench {

using namespace e2e;

namespace {

constexpr std::chrono::seconds kWindowTimeout{30};

}  // namespace

WindowStarts MeasureWindowStarts(const std::string& program, int starts) {
  WindowStarts result;
  for (int start = 0; start < starts; ++start) {
    Scenario scenario;
    scenario.onDisplay = true;
    scenario.simulatorOptions = {"--frames", "1"};
    scenario.program = program;
    ScenarioRun run(scenario);
    if (!run.Started()) {
      result.problems.push_back(run.StartProblem());
      continue;
    }
    MainWindowDriver window(run.DisplayName());
    if (!window.WaitForWindow(kWindowTimeout)) {
      result.problems.push_back("the window was not shown");
      continue;
    }
    result.startsNs.push_back(
        std::chrono::nanoseconds(std::chrono::steady_clock::now() - run.Program().StartedAt())
            .count());
    const auto problems = SafetyProblems(run.Finish().clock);
    result.problems.insert(result.problems.end(), problems.begin(), problems.end());
  }
  return result;
}

}  // namespace gpsclock::bench
