// A set belongs to the frame the device was sending when it came: its error needs no guess of
// which mark it meant, so a set a damaged frame caused counts as what it did to the clock.
#include "set_error.h"

#include <cstdio>
#include <cstdlib>
#include <set>

namespace gpsclock::bench {

using namespace e2e;

namespace {

constexpr std::int64_t kLineDelayNs = kNanosecondsPerMillisecond;

// The marks no set may be missing at: every start byte after the first but those of a spoilt
// frame and of the frame after it.
std::vector<std::int64_t> MarksThatMustSet(const std::vector<SentFrame>& frames) {
  std::set<std::int64_t> excused;
  for (const SentFrame& frame : frames) {
    if (frame.faults == "-") continue;
    excused.insert(frame.number);
    excused.insert(frame.number + 1);
  }
  std::vector<std::int64_t> marks;
  for (const SentFrame& mark : Marks(frames)) {
    if (excused.count(mark.number) == 0) marks.push_back(mark.number);
  }
  return marks;
}

}  // namespace

Scenario MarkScenario(const std::string& program, int frames) {
  Scenario scenario;
  scenario.gpsSeconds = UtcSeconds(2024, 5, 6, 12, 15, 0);
  scenario.onDisplay = true;
  scenario.simulatorOptions = {"--frames", std::to_string(frames)};
  scenario.program = program;
  return scenario;
}

SetErrors JudgeSets(const ScenarioOutcome& outcome) {
  SetErrors result;
  result.problems = SafetyProblems(outcome.clock);
  if (!outcome.simulatorEnded) result.problems.push_back("the simulator did not end");
  if (!outcome.machineClockUnstepped) result.problems.push_back("the machine's clock jumped");
  if (outcome.frames.empty()) {
    result.problems.push_back("no frame was sent");
    return result;
  }
  result.marksSent = outcome.frames.size() - 1;
  for (const ClockSet& set : outcome.clock.sets) {
    result.errorsNs.push_back(set.askedNs - DeviceTimeAt(outcome.frames, set.monotonicNs) -
                              kLineDelayNs);
    result.frameNumbers.push_back(FrameSentAt(outcome.frames, set.monotonicNs).number);
  }
  const std::set<std::int64_t> setAt(result.frameNumbers.begin(), result.frameNumbers.end());
  for (const std::int64_t mark : MarksThatMustSet(outcome.frames)) {
    if (setAt.count(mark) == 0)
      result.problems.push_back("no set at frame " + std::to_string(mark));
  }
  return result;
}

SetErrors MeasureSetErrors(const Scenario& scenario) {
  ScenarioRun run(scenario);
  if (!run.Started()) return {{}, {}, 0, {run.StartProblem()}};
  return JudgeSets(run.Finish());
}

std::vector<std::string> WrongSets(const SetErrors& sets, std::int64_t limitNs) {
  std::vector<std::string> wrong;
  for (std::size_t index = 0; index < sets.errorsNs.size(); ++index) {
    if (std::llabs(sets.errorsNs[index]) <= limitNs) continue;
    char text[64];
    std::snprintf(text, sizeof text, "frame %lld: %+.3f ms",
                  static_cast<long long>(sets.frameNumbers[index]), sets.errorsNs[index] / 1e6);
    wrong.push_back(text);
  }
  return wrong;
}

std::vector<std::int64_t> Magnitudes(const SetErrors& sets) {
  std::vector<std::int64_t> magnitudes;
  for (const std::int64_t error : sets.errorsNs) magnitudes.push_back(std::llabs(error));
  return magnitudes;
}

}  // namespace gpsclock::bench
