// Black-box: the program sets the clock only while the PC's minute, as read at the mark, lies in
// 10..50; outside, a far-off clock is written back unchanged and a near one is left alone.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "checked_scenario.h"

namespace gpsclock::e2e {
namespace {

struct EdgeCase {
  const char* name;
  std::int64_t gpsSeconds;
  std::int64_t pcAheadSeconds;
  const char* frames;
  // The mark at which the PC reads about the first second of a minute on the other side. Set to
  // the received time at every mark, the PC reads within a millisecond or so of a whole second, so
  // that mark may fall either way; those before and after it may not.
  std::int64_t edgeSeconds;
  bool windowBeforeEdge;
};

class SetWindowEdgeTest : public testing::TestWithParam<EdgeCase> {};

TEST_P(SetWindowEdgeTest, OutrightSetsOnlyAtMarksWhereThePcReadsMinutesTenToFifty) {
  const EdgeCase& edge = GetParam();
  Scenario scenario;
  scenario.gpsSeconds = edge.gpsSeconds;
  scenario.pcAheadSeconds = edge.pcAheadSeconds;
  scenario.simulatorOptions = {"--frames", edge.frames};
  const ScenarioOutcome outcome = RunScenario(scenario);

  std::map<std::int64_t, SentFrame> markBySecond;
  for (const SentFrame& mark : Marks(outcome.frames)) markBySecond[mark.second] = mark;
  std::map<std::int64_t, ClockSet> setByMark;
  for (const ClockSet& set : outcome.clock.sets) {
    const std::int64_t markSecond = set.askedNs / kNanosecondsPerSecond;
    ASSERT_EQ(markBySecond.count(markSecond), 1u) << "a set for a second no mark began";
    EXPECT_TRUE(AskedFor(set, OutrightSetAt(markBySecond[markSecond], 1)));
    const int minute = UtcMinute(set.clockWasNs);
    EXPECT_TRUE(minute >= 10 && minute <= 50) << "set while the PC read minute " << minute;
    setByMark[markSecond] = set;
  }
  int inside = 0;
  int outside = 0;
  for (const SentFrame& mark : Marks(outcome.frames)) {
    if (mark.second == edge.edgeSeconds) continue;
    const bool insideWindow = (mark.second < edge.edgeSeconds) == edge.windowBeforeEdge;
    if (insideWindow) {
      ++inside;
    } else {
      ++outside;
    }
    EXPECT_EQ(setByMark.count(mark.second), insideWindow ? 1u : 0u) << "mark " << mark.second;
  }
  EXPECT_GT(inside, 0) << "no mark came inside the window";
  EXPECT_GT(outside, 0) << "no mark came outside the window";
}

INSTANTIATE_TEST_SUITE_P(
    Edges, SetWindowEdgeTest,
    testing::Values(
        // Five seconds behind, the PC reads 12:10:00 at the mark of 12:10:05.
        EdgeCase{"PcAtMinuteNineIsLeftAloneUntilMinuteTen", UtcSeconds(2024, 5, 6, 12, 10, 1), -5,
                 "8", UtcSeconds(2024, 5, 6, 12, 10, 5), false},
        EdgeCase{"NoSetOnceThePcReadsMinuteFiftyOne", UtcSeconds(2024, 5, 6, 12, 50, 54), -3, "8",
                 UtcSeconds(2024, 5, 6, 12, 51, 0), true}),
    [](const testing::TestParamInfo<EdgeCase>& info) { return std::string(info.param.name); });

TEST(SetWindowTest, FarOffPcAtMinuteZeroIsWrittenBackUnchangedAtEveryMark) {
  Scenario scenario;
  scenario.gpsSeconds = UtcSeconds(2024, 5, 6, 12, 5, 0);
  scenario.pcAheadSeconds = -300;
  scenario.simulatorOptions = {"--frames", "4"};
  const auto marks = SetAtEveryMark(RunScenario(scenario), 3);
  ASSERT_FALSE(marks.empty());

  // The clock written back unchanged is set to where it was at the call, a moment before the fake
  // clock looks at it: it never moves forward, and back by no more than that moment.
  for (const auto& [mark, set] : marks) {
    EXPECT_GE(set.clockWasNs, set.askedNs);
    EXPECT_LT(set.clockWasNs - set.askedNs, kReadToSetAllowanceNs);
    EXPECT_EQ(UtcMinute(set.clockWasNs), 0);
  }
}

}  // namespace
}  // namespace gpsclock::e2e
