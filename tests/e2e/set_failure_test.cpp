// Black-box: a refused clock_settime is tried again at every mark; the log view shows
// 系统时间设置失败 once, and once more only after a set succeeded and another was refused.
#include <gtest/gtest.h>

#include <vector>

#include "checked_scenario.h"
#include "harness/main_window_driver.h"

namespace gpsclock::e2e {
namespace {

constexpr char kClockSetFailed[] = "系统时间设置失败";
constexpr char kClockSetFailedGbk[] =
    "\xcf\xb5\xcd\xb3\xca\xb1\xbc\xe4\xc9\xe8\xd6\xc3\xca\xa7\xb0\xdc";
constexpr std::chrono::seconds kTimeout{20};

int Occurrences(const std::string& text, const std::string& part) {
  int count = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

// The results of the sets in order, runs of equal results merged: {false, true, false}.
std::vector<bool> ResultRuns(const std::vector<ClockSet>& sets) {
  std::vector<bool> runs;
  for (const ClockSet& set : sets) {
    if (runs.empty() || runs.back() != set.succeeded) runs.push_back(set.succeeded);
  }
  return runs;
}

TEST(SetFailureTest, RefusedSetsAreRetriedAtEveryMarkAndNoticedOncePerFailurePeriod) {
  Scenario scenario;
  scenario.pcAheadSeconds = -5;
  scenario.setSucceeds = false;
  scenario.onDisplay = true;
  scenario.simulatorOptions = {"--frames", "10"};
  ScenarioRun run(scenario);
  ASSERT_TRUE(run.Started()) << run.StartProblem();
  MainWindowDriver window(run.DisplayName());
  ASSERT_TRUE(window.WaitForWindow(kTimeout));

  ASSERT_TRUE(run.Simulator().WaitForFrames(4, kTimeout));
  run.Program().SetClockSetResult(true);
  ASSERT_TRUE(run.Simulator().WaitForFrames(7, kTimeout));
  run.Program().SetClockSetResult(false);
  ASSERT_TRUE(run.Simulator().WaitForFrames(10, kTimeout));
  const auto logView = window.LogViewText();
  const ScenarioOutcome outcome = FinishChecked(run);

  // Refused or not, every mark asks for the outright set: the PC clock is never more than 5 s off.
  for (const auto& [mark, set] : SetAtEveryMark(outcome, 9)) {
    EXPECT_TRUE(AskedFor(set, OutrightSetAt(mark, 1)));
  }
  EXPECT_EQ(ResultRuns(outcome.clock.sets), (std::vector<bool>{false, true, false}));
  ASSERT_TRUE(logView.has_value());
  EXPECT_EQ(Occurrences(*logView, kClockSetFailed), 2) << *logView;
  EXPECT_EQ(Occurrences(outcome.trackingLog, kClockSetFailedGbk), 0);
  EXPECT_TRUE(outcome.programRanToTheEnd);
}

}  // namespace
}  // namespace gpsclock::e2e
