// Black-box: the serial port held by another program when the program starts. The open fails, the
// program starts all the same and shows the port closed; once the other program lets go, one
// 串口连接 opens the port, and the frames set the clock.
#include <gtest/gtest.h>

#include <thread>

#include "checked_scenario.h"
#include "harness/main_window_driver.h"
#include "harness/port_holder.h"

namespace gpsclock::e2e {
namespace {

constexpr std::chrono::seconds kTimeout{20};
constexpr std::size_t kFramesAfterRelease = 4;

struct HoldCase {
  const char* name;
  PortHold hold;
};

class PortInUseTest : public testing::TestWithParam<HoldCase> {};

TEST_P(PortInUseTest, PortHeldAtStartIsShownClosedAndOpenedByOneToggleOnceReleased) {
  Scenario scenario;
  scenario.pcAheadSeconds = -5;
  scenario.onDisplay = true;
  scenario.programStartsAtOnce = false;
  ScenarioRun run(scenario);
  PortHolder holder(run.Folder().Path("COM1"), GetParam().hold);
  ASSERT_TRUE(holder.Holding());
  ASSERT_TRUE(run.StartProgram()) << run.StartProblem();
  MainWindowDriver window(run.DisplayName());
  // The port is opened at start-up, before the window is shown.
  ASSERT_TRUE(window.WaitForWindow(kTimeout));
  std::this_thread::sleep_for(std::chrono::seconds(1));
  ASSERT_TRUE(run.Program().Running());

  holder.Release();
  const std::int64_t releasedNs = MonotonicNs();
  ASSERT_TRUE(window.ChooseMenuCommand(kDisconnectMenuPosition));
  // The device sends only while a program has the port open: every frame from now on is the
  // program's.
  const std::size_t framesBefore = run.Simulator().Frames().size();
  ASSERT_TRUE(run.Simulator().StopAfterFrames(framesBefore + kFramesAfterRelease, kTimeout))
      << "the port was not opened by one toggle";
  const ScenarioOutcome outcome = FinishChecked(run);

  EXPECT_TRUE(SetsAskedFor(outcome.clock, OutrightSetsAfter(outcome.frames, releasedNs, 1)));
  EXPECT_GE(outcome.clock.sets.size(), kFramesAfterRelease - 1);
  EXPECT_TRUE(outcome.programRanToTheEnd);
}

INSTANTIATE_TEST_SUITE_P(
    Holds, PortInUseTest,
    testing::Values(HoldCase{"OpenedExclusivelyByAnotherProgram", PortHold::kExclusiveOpen},
                    HoldCase{"LockedByAnotherCopy", PortHold::kLock}),
    [](const testing::TestParamInfo<HoldCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace gpsclock::e2e
