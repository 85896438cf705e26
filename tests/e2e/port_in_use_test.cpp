// Black-box: the serial port held by another program when the program starts. The open fails, the
// program starts all the same and shows the port closed; once the other program lets go, the
// program opens the port by itself at its next try (every 2 s), and the frames set the clock. A
// program ended by SIGTERM or SIGKILL holds nothing after it: another user's start in the shared
// folder opens the port.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <thread>

#include "checked_scenario.h"
#include "harness/main_window_driver.h"
#include "harness/port_holder.h"
#include "harness/tracking_log_line.h"
#include "harness/unprivileged.h"

namespace gpsclock::e2e {
namespace {

constexpr std::chrono::seconds kTimeout{20};
constexpr std::size_t kFramesAfterRelease = 4;

struct HoldCase {
  const char* name;
  PortHold hold;
};

class PortInUseTest : public testing::TestWithParam<HoldCase> {};

TEST_P(PortInUseTest, PortHeldAtStartIsShownClosedAndOpenedOnceReleased) {
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
  // The device sends only while a program has the port open: every frame from now on is the
  // program's.
  const std::size_t framesBefore = run.Simulator().Frames().size();
  ASSERT_TRUE(run.Simulator().StopAfterFrames(framesBefore + kFramesAfterRelease, kTimeout))
      << "the port was not opened once released";
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

struct EndingCase {
  const char* name;
  int signal;
  bool exitsAsExitDoes;  // status 0, as the exit command ends the program
};

class PortAfterSignalTest : public testing::TestWithParam<EndingCase> {};

// SIGTERM is how a logout and systemctl stop end the program; SIGKILL leaves it no say. The folder
// is shared by a group, as the package makes it; the user who starts next appends to the tracking
// log of the first.
TEST_P(PortAfterSignalTest, ProgramEndedBySignalLeavesPortAndFolderToAnotherUsersStart) {
  const std::optional<uid_t> otherUser = AnotherProgramUser();
  if (!otherUser) GTEST_SKIP() << "a second user needs the tests to run as root";
  Scenario scenario;
  scenario.simulatorOptions = {"--frames", "10"};
  scenario.programStartsAtOnce = false;
  ScenarioRun run(scenario);
  ASSERT_EQ(chmod(run.Folder().Path("").c_str(), 03775), 0);
  ASSERT_EQ(chmod(run.Folder().TestFile("").c_str(), 0775), 0);
  ASSERT_TRUE(run.StartProgram()) << run.StartProblem();
  ASSERT_TRUE(run.Simulator().WaitForFrames(3, kTimeout));

  ChildProcess& first = run.Program().Process();
  ASSERT_EQ(kill(first.Id(), GetParam().signal), 0);
  const std::optional<int> status = first.WaitForExit(kTimeout);
  ASSERT_TRUE(status.has_value());
  if (GetParam().exitsAsExitDoes) {
    ASSERT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0)
        << "the signal did not end the program as its exit command does";
  }
  const std::int64_t endedNs = MonotonicNs();

  ProgramRun other(run.Folder(), run.PcClock(), {}, "other", *otherUser);
  ASSERT_TRUE(run.Simulator().WaitForEnd(kTimeout));
  const ClockRecord clock = other.Record();
  EXPECT_TRUE(other.Running());
  other.Stop();
  const ScenarioOutcome outcome = FinishChecked(run);
  for (const std::string& problem : SafetyProblems(clock)) ADD_FAILURE() << problem;
  EXPECT_GE(clock.sets.size(), 3u) << "the other user's start did not get the port";
  EXPECT_TRUE(SetsAskedFor(clock, OutrightSetsAfter(outcome.frames, endedNs, 1)));
  const auto othersFirst =
      std::find_if(outcome.frames.begin(), outcome.frames.end(),
                   [&](const SentFrame& f) { return f.startByteMonotonicNs > endedNs; });
  ASSERT_NE(othersFirst, outcome.frames.end());
  EXPECT_EQ(outcome.trackingLog, TrackingLogLine(outcome.frames[0], LockEvent::kLocked) +
                                     TrackingLogLine(outcome.frames[0], LockEvent::kRestored) +
                                     TrackingLogLine(*othersFirst, LockEvent::kLocked) +
                                     TrackingLogLine(*othersFirst, LockEvent::kRestored));
}

INSTANTIATE_TEST_SUITE_P(Signals, PortAfterSignalTest,
                         testing::Values(EndingCase{"Sigterm", SIGTERM, true},
                                         EndingCase{"Sigkill", SIGKILL, false}),
                         [](const testing::TestParamInfo<EndingCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace gpsclock::e2e
