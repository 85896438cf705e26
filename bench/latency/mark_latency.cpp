// A set asking for second s belongs to the frame carrying s: its start byte is that set's mark.
#include "mark_latency.h"

#include <map>

namespace gpsclock::bench {

using namespace e2e;

Scenario MarkScenario() {
  Scenario scenario;
  scenario.gpsSeconds = UtcSeconds(2024, 5, 6, 12, 15, 0);
  scenario.onDisplay = true;
  return scenario;
}

MarkLatencies JoinMarks(const ScenarioOutcome& outcome) {
  MarkLatencies result;
  result.problems = SafetyProblems(outcome.clock);
  if (!outcome.simulatorEnded) result.problems.push_back("the simulator did not end");
  std::map<std::int64_t, std::int64_t> startByteBySecond;
  for (const SentFrame& frame : outcome.frames) {
    startByteBySecond[frame.second] = frame.startByteMonotonicNs;
  }
  for (const ClockSet& set : outcome.clock.sets) {
    const auto startByte = startByteBySecond.find(set.askedNs / kNanosecondsPerSecond);
    if (startByte == startByteBySecond.end()) {
      result.problems.push_back("a set for a second no frame carried");
      continue;
    }
    result.latenciesNs.push_back(set.monotonicNs - startByte->second);
  }
  if (result.latenciesNs.size() + 1 < outcome.frames.size()) {
    result.problems.push_back(
        std::to_string(outcome.frames.size() - 1 - result.latenciesNs.size()) +
        " marks without a set");
  }
  return result;
}

MarkLatencies MeasureMarkLatencies(int frames) {
  Scenario scenario = MarkScenario();
  scenario.simulatorOptions = {"--frames", std::to_string(frames)};
  ScenarioRun run(scenario);
  if (!run.Started()) return {{}, {run.StartProblem()}};
  return JoinMarks(run.Finish());
}

}  // namespace gpsclock::bench
