// Black-box: the clock_settime calls of the program at the marks, inside minutes 10..50, with the
// PC clock a few seconds or five minutes away from the GPS clock.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "checked_scenario.h"

namespace gpsclock::e2e {
namespace {

struct LineCase {
  const char* name;
  const char* config;
  const char* baud;
  std::int64_t delayMs;
};

class OutrightSetTest : public testing::TestWithParam<LineCase> {};

TEST_P(OutrightSetTest, PcFiveSecondsBehindIsSetToTheReceivedTimeAtEveryMark) {
  const LineCase& line = GetParam();
  Scenario scenario;
  scenario.config = line.config;
  scenario.pcAheadSeconds = -5;
  scenario.simulatorOptions = {"--baud", line.baud, "--frames", "5"};
  const auto marks = SetAtEveryMark(RunScenario(scenario), 4);
  ASSERT_FALSE(marks.empty());

  for (const auto& [mark, set] : marks) {
    EXPECT_TRUE(AskedFor(set, OutrightSetAt(mark, line.delayMs)));
    EXPECT_TRUE(set.succeeded);
  }
  EXPECT_NEAR(marks.front().set.clockWasNs, (marks.front().mark.second - 5) * kNanosecondsPerSecond,
              500 * kNanosecondsPerMillisecond);
}

INSTANTIATE_TEST_SUITE_P(Lines, OutrightSetTest,
                         testing::Values(LineCase{"At9600Baud", "4,1,0,5\r\n", "9600", 1},
                                         LineCase{"At1200Baud", "1,1,0,5\r\n", "1200", 8}),
                         [](const testing::TestParamInfo<LineCase>& info) {
                           return std::string(info.param.name);
                         });

// A step keeps the milliseconds as read, a little after the second boundary of the mark, and
// drops what is below them: the clock keeps close to whole seconds, on either side.
std::int64_t NearestSecond(std::int64_t nanoseconds) {
  return (nanoseconds + (nanoseconds < 0 ? -1 : 1) * kNanosecondsPerSecond / 2) /
         kNanosecondsPerSecond;
}

// How far a set moved the clock, in whole seconds.
std::int64_t SecondsMoved(const ClockSet& set) {
  return NearestSecond(set.askedNs - set.clockWasNs);
}

TEST(ClockStepTest, PcFiveMinutesBehindGainsOneSecondAtEveryMark) {
  Scenario scenario;
  scenario.pcAheadSeconds = -300;
  scenario.simulatorOptions = {"--frames", "5"};
  const auto marks = SetAtEveryMark(RunScenario(scenario), 4);
  ASSERT_FALSE(marks.empty());

  std::int64_t stepsSoFar = 0;
  for (const auto& [mark, set] : marks) {
    ++stepsSoFar;
    EXPECT_EQ(SecondsMoved(set), 1);
    EXPECT_EQ(NearestSecond(set.askedNs), mark.second - 300 + stepsSoFar);
  }
}

TEST(ClockStepTest, PcFiveMinutesAheadLosesOneSecondAtEverySecondMark) {
  Scenario scenario;
  scenario.pcAheadSeconds = 300;
  scenario.simulatorOptions = {"--frames", "6"};
  // The first step back comes at the third mark after start, then at every second mark; the
  // marks between write the clock back unchanged.
  constexpr std::array<std::int64_t, 5> kMoved{0, 0, -1, 0, -1};
  const auto marks = SetAtEveryMark(RunScenario(scenario), kMoved.size());
  ASSERT_FALSE(marks.empty());

  std::int64_t stepsSoFar = 0;
  for (std::size_t index = 0; index < marks.size(); ++index) {
    const auto& [mark, set] = marks[index];
    stepsSoFar -= kMoved[index];
    EXPECT_EQ(SecondsMoved(set), kMoved[index]) << "mark " << index;
    EXPECT_EQ(NearestSecond(set.askedNs), mark.second + 300 - stepsSoFar) << "mark " << index;
  }
}

}  // namespace
}  // namespace gpsclock::e2e
