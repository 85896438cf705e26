// Every run is checked for safety, whatever the test is about.
#include "checked_scenario.h"

#include <gtest/gtest.h>

namespace gpsclock::e2e {

ScenarioOutcome FinishChecked(ScenarioRun& run) {
  const ScenarioOutcome outcome = run.Finish();
  EXPECT_TRUE(outcome.simulatorEnded) << run.Simulator().Messages();
  for (const std::string& problem : SafetyProblems(outcome.clock)) ADD_FAILURE() << problem;
  EXPECT_TRUE(outcome.machineClockUnstepped) << "the machine's clock jumped";
  return outcome;
}

ScenarioOutcome RunScenario(const Scenario& scenario) {
  ScenarioRun run(scenario);
  EXPECT_TRUE(run.Started()) << run.StartProblem();
  return FinishChecked(run);
}

std::vector<MarkSet> SetAtEveryMark(const ScenarioOutcome& outcome, std::size_t marks) {
  const std::vector<SentFrame> sentMarks = Marks(outcome.frames);
  EXPECT_EQ(sentMarks.size(), marks);
  EXPECT_EQ(outcome.clock.sets.size(), sentMarks.size());
  if (sentMarks.size() != marks || outcome.clock.sets.size() != marks) return {};
  std::vector<MarkSet> pairs;
  for (std::size_t index = 0; index < marks; ++index) {
    pairs.push_back({sentMarks[index], outcome.clock.sets[index]});
  }
  return pairs;
}

ExpectedSet OutrightSetAt(const SentFrame& mark, std::int64_t lineDelayMs) {
  return {mark.second * kNanosecondsPerSecond + lineDelayMs * kNanosecondsPerMillisecond,
          mark.startByteMonotonicNs};
}

testing::AssertionResult AskedFor(const ClockSet& set, const ExpectedSet& expected) {
  const std::int64_t error =
      set.askedNs - (expected.markTimeNs + set.monotonicNs - expected.markMonotonicNs);
  if (std::llabs(error) <= kSetAllowanceNs) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "asked for " << set.askedNs << " ns, " << error
                                     << " ns off the mark " << expected.markTimeNs;
}

testing::AssertionResult SetsAskedFor(const ClockRecord& clock,
                                      const std::vector<ExpectedSet>& expected) {
  if (clock.sets.size() != expected.size()) {
    return testing::AssertionFailure()
           << clock.sets.size() << " sets, " << expected.size() << " expected";
  }
  for (std::size_t index = 0; index < expected.size(); ++index) {
    testing::AssertionResult asked = AskedFor(clock.sets[index], expected[index]);
    if (!asked) return asked << " at set " << index;
  }
  return testing::AssertionSuccess();
}

std::vector<ExpectedSet> OutrightSetsAfter(const std::vector<SentFrame>& frames,
                                           std::int64_t sinceNs, std::int64_t lineDelayMs) {
  std::vector<ExpectedSet> expected;
  for (std::size_t index = 1; index < frames.size(); ++index) {
    const SentFrame& received = frames[index - 1];
    const SentFrame& mark = frames[index];
    if (received.startByteMonotonicNs > sinceNs && received.number + 1 == mark.number &&
        received.status == 'A') {
      expected.push_back(OutrightSetAt(mark, lineDelayMs));
    }
  }
  return expected;
}

}  // namespace gpsclock::e2e
