// Black-box: frames spoilt on the line. A frame with a bad end or a start byte inside it is
// dropped, so the start byte after it is no mark; stray bytes between frames change nothing.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "checked_scenario.h"

namespace gpsclock::e2e {
namespace {

TEST(FrameFaultTest, OnlyStartBytesAfterWholeFramesSetTheClock) {
  Scenario scenario;
  scenario.pcAheadSeconds = -2;
  scenario.simulatorOptions = {"--frames",      "9",       "--fault",  "bad-end=3", "--fault",
                               "inner-start=5", "--fault", "garbage=7"};
  const ScenarioOutcome outcome = RunScenario(scenario);
  ASSERT_EQ(outcome.frames.size(), 9u);

  const std::set<std::int64_t> dropped{3, 5};
  std::vector<ExpectedSet> expected;
  for (const SentFrame& mark : Marks(outcome.frames)) {
    if (dropped.count(mark.number - 1) == 0) {
      expected.push_back(OutrightSetAt(mark, 1));
    }
  }
  EXPECT_TRUE(SetsAskedFor(outcome.clock, expected));
  EXPECT_TRUE(outcome.programRanToTheEnd);
}

}  // namespace
}  // namespace gpsclock::e2e
