// Black-box: frames spoilt on the line or by the device. A frame with a bad end or a start byte
// inside it is dropped, so the start byte after it is no mark; stray bytes between frames change
// nothing; a mark sets the clock only once the frame it begins has confirmed its second.
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

// A frame whose time is wrong (a flipped bit, a device's glitch, a time that sticks) costs its own
// mark and the one before it; a stray start byte 40 ms before the second costs nothing, and an
// adapter that hands each start byte over 16 ms late with 15 bytes behind it moves no set.
TEST(FrameFaultTest, OnlyMarksTheNextFrameConfirmsSetTheClockAsOfTheirArrival) {
  Scenario scenario;
  scenario.pcAheadSeconds = -2;
  scenario.simulatorOptions = {"--frames", "16",           "--hold",  "16,15",
                               "--fault",  "digit-flip=3", "--fault", "glitch=6",
                               "--fault",  "stuck=9-10",   "--fault", "stray-start=13"};
  const ScenarioOutcome outcome = RunScenario(scenario);
  ASSERT_EQ(outcome.frames.size(), 16u);

  const std::set<std::int64_t> unconfirmed{3, 4, 6, 7, 9, 10, 11};
  std::vector<ExpectedSet> expected;
  for (const SentFrame& mark : Marks(outcome.frames)) {
    if (unconfirmed.count(mark.number) == 0) expected.push_back(OutrightSetAt(mark, 1));
  }
  EXPECT_TRUE(SetsAskedFor(outcome.clock, expected));
}

}  // namespace
}  // namespace gpsclock::e2e
