// Black-box: the port toggle 串口连接 / 断开串口 closes and reopens the port, and a port whose
// device side goes away leaves the program running and quiet.
#include <gtest/gtest.h>

#include <set>
#include <thread>

#include "checked_scenario.h"
#include "harness/main_window_driver.h"

namespace gpsclock::e2e {
namespace {

constexpr std::chrono::seconds kTimeout{20};

TEST(PortTest, MenuToggleClosesThePortAndOpensItAgain) {
  Scenario scenario;
  scenario.pcAheadSeconds = -5;
  scenario.onDisplay = true;
  scenario.simulatorOptions = {"--frames", "12"};
  ScenarioRun run(scenario);
  ASSERT_TRUE(run.Started()) << run.StartProblem();
  MainWindowDriver window(run.DisplayName());
  ASSERT_TRUE(window.WaitForWindow(kTimeout));

  ASSERT_TRUE(run.Simulator().WaitForFrames(3, kTimeout));
  ASSERT_TRUE(window.ChooseMenuCommand(kDisconnectMenuPosition));
  std::this_thread::sleep_for(std::chrono::milliseconds(2500));
  ASSERT_TRUE(window.ChooseMenuCommand(kDisconnectMenuPosition));
  const ScenarioOutcome outcome = FinishChecked(run);

  // The simulator sends nothing while no program has the port open: a gap in the numbers.
  std::set<std::int64_t> sent;
  for (const SentFrame& frame : outcome.frames) sent.insert(frame.number);
  ASSERT_LT(sent.size(), 12u) << "the port was never closed";
  ASSERT_EQ(*sent.rbegin(), 12) << "the port was not opened again";
  // Closing forgets the frame that was waiting: only a start byte after a frame received whole,
  // since the last open, is a mark.
  EXPECT_TRUE(SetsAskedFor(outcome.clock, OutrightSetsAfter(outcome.frames, 0, 1)));
  EXPECT_TRUE(outcome.programRanToTheEnd);
}

TEST(PortTest, VanishedPortLeavesTheProgramRunningWithoutBusyWork) {
  Scenario scenario;
  scenario.simulatorOptions = {"--frames", "3"};
  ScenarioRun run(scenario);
  ASSERT_TRUE(run.Started()) << run.StartProblem();
  ASSERT_TRUE(run.Simulator().WaitForEnd(kTimeout));

  // A port left open on a hung-up terminal reports errors as fast as the event loop turns.
  const auto cpuBefore = run.Program().Process().CpuTime();
  std::this_thread::sleep_for(std::chrono::seconds(2));
  const auto cpuUsed = run.Program().Process().CpuTime() - cpuBefore;
  EXPECT_LT(cpuUsed, std::chrono::milliseconds(200));
  const ScenarioOutcome outcome = FinishChecked(run);
  EXPECT_EQ(outcome.frames.size(), 3u);
  EXPECT_EQ(outcome.clock.sets.size(), 2u);
  EXPECT_TRUE(outcome.programRanToTheEnd);
}

}  // namespace
}  // namespace gpsclock::e2e
