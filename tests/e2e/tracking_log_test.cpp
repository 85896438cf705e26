// Black-box: config.cfg 4,1,0,5 and a COM1 link; the program opens the port and appends a GBK line
// ended by CR LF to 跟踪记录.txt for the first status and every change of the lock.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "checked_scenario.h"
#include "harness/tracking_log_line.h"

namespace gpsclock::e2e {
namespace {

// A line an earlier run left; it must stay as it is.
constexpr char kEarlierLine[] =
    "2024\xc4\xea"
    "5\xd4\xc2"
    "6\xc8\xd5   9:0:0  :  \xce\xc0\xd0\xc7\xca\xa7\xcb\xf8\r\n";

struct LockCase {
  const char* name;
  const char* lockPattern;                       // four frames
  std::vector<std::pair<int, LockEvent>> lines;  // the frame (0 is the first) and its event
};

class TrackingLogTest : public testing::TestWithParam<LockCase> {};

TEST_P(TrackingLogTest, LockChangesAreAppendedAsGbkLines) {
  const LockCase& lockCase = GetParam();
  Scenario scenario;
  scenario.trackingLogBefore = kEarlierLine;
  scenario.simulatorOptions = {"--lock", lockCase.lockPattern, "--frames", "4"};
  const ScenarioOutcome outcome = RunScenario(scenario);
  ASSERT_EQ(outcome.frames.size(), 4u);

  std::string expected = kEarlierLine;
  for (const auto& [frame, event] : lockCase.lines) {
    expected += TrackingLogLine(outcome.frames[frame], event);
  }
  EXPECT_EQ(outcome.trackingLog, expected);
  EXPECT_TRUE(outcome.programRanToTheEnd);
}

INSTANTIATE_TEST_SUITE_P(
    LockPatterns, TrackingLogTest,
    testing::Values(LockCase{"LockedFromTheStart",
                             "AVVA",
                             {{0, LockEvent::kLocked},
                              {0, LockEvent::kRestored},
                              {1, LockEvent::kLost},
                              {3, LockEvent::kRestored}}},
                    LockCase{
                        "UnlockedFromTheStart",
                        "VAAV",
                        {{0, LockEvent::kLost}, {1, LockEvent::kRestored}, {3, LockEvent::kLost}}}),
    [](const testing::TestParamInfo<LockCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace gpsclock::e2e
