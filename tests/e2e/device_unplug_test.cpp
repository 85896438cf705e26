// Black-box: the device pulled out in the middle of a frame and plugged in again. The program
// keeps running without busy work while the port is gone, shows it closed and opens it again by
// itself once the device is back; the cut frame writes no line, and after the reopen the frames
// set the clock and write their lock lines again. A device that is not there yet at the start is
// taken up in the same way once it appears.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "checked_scenario.h"
#include "harness/main_window_driver.h"
#include "harness/tracking_log_line.h"

namespace gpsclock::e2e {
namespace {

constexpr std::chrono::seconds kTimeout{20};
// At 1200 baud a byte takes 8.3 ms: the status letter (the 16th byte) is in by 134 ms after the
// start byte and the LF (the 41st) at 333 ms. The device is pulled out between the two.
constexpr std::chrono::milliseconds kUnplugIntoFrame{230};
constexpr std::chrono::milliseconds kStatusLetterIn{134};
constexpr std::chrono::milliseconds kFrameEnd{333};
constexpr std::int64_t kLineDelayMs = 8;

TEST(DeviceUnplugTest, DevicePulledOutInMidFrameIsShownClosedAndTakenUpAgainWhenPluggedBack) {
  Scenario scenario;
  scenario.config = "1,1,0,5\r\n";
  scenario.pcAheadSeconds = -5;
  scenario.onDisplay = true;
  scenario.simulatorOptions = {"--baud", "1200", "--lock", "AAAV"};
  ScenarioRun run(scenario);
  ASSERT_TRUE(run.Started()) << run.StartProblem();
  MainWindowDriver window(run.DisplayName());
  ASSERT_TRUE(window.WaitForWindow(kTimeout));

  // The fourth frame, the first unlocked one, is cut after its status letter.
  ASSERT_TRUE(run.Simulator().WaitForFrames(3, kTimeout));
  const auto cut = run.Simulator().UnplugDuringNextFrame(kUnplugIntoFrame);
  ASSERT_TRUE(cut.has_value());
  ASSERT_GT(*cut, kStatusLetterIn);
  ASSERT_LT(*cut, kFrameEnd);
  const std::vector<SentFrame> firstDevice = run.Simulator().Frames();
  ASSERT_EQ(firstDevice.size(), 3u);

  // While the port is gone the program waits without busy work.
  const auto cpuBefore = run.Program().Process().CpuTime();
  std::this_thread::sleep_for(std::chrono::seconds(2));
  EXPECT_LT(run.Program().Process().CpuTime() - cpuBefore, std::chrono::milliseconds(200));
  ASSERT_TRUE(run.Program().Running());

  ASSERT_TRUE(run.PlugInNewDevice({"--baud", "1200", "--lock", "AAV", "--frames", "5"}));
  ASSERT_TRUE(run.Simulator().WaitForFrames(5, kTimeout))
      << "the port was not opened again when the device came back";
  const ScenarioOutcome outcome = FinishChecked(run);
  ASSERT_EQ(outcome.frames.size(), 8u);

  // The cut frame's start byte, a second after the third frame's, was the mark of the third
  // frame, and the cut frame decoded before it was cut; the new device's first frame finds no frame
  // received before it.
  std::vector<ExpectedSet> expectedSets = OutrightSetsAfter(firstDevice, 0, kLineDelayMs);
  SentFrame cutFrame = firstDevice.back();
  ++cutFrame.second;
  cutFrame.startByteMonotonicNs += kNanosecondsPerSecond;
  expectedSets.push_back(OutrightSetAt(cutFrame, kLineDelayMs));
  const std::vector<SentFrame> secondDevice(outcome.frames.begin() + 3, outcome.frames.end());
  for (const ExpectedSet& expected : OutrightSetsAfter(secondDevice, 0, kLineDelayMs)) {
    expectedSets.push_back(expected);
  }
  EXPECT_TRUE(SetsAskedFor(outcome.clock, expectedSets));
  // The lock was last seen in a whole frame as locked, so the new device's locked frames write
  // nothing until its unlocked third one.
  EXPECT_EQ(outcome.trackingLog, TrackingLogLine(firstDevice[0], LockEvent::kLocked) +
                                     TrackingLogLine(firstDevice[0], LockEvent::kRestored) +
                                     TrackingLogLine(secondDevice[2], LockEvent::kLost) +
                                     TrackingLogLine(secondDevice[3], LockEvent::kRestored));
  EXPECT_TRUE(outcome.programRanToTheEnd);
}

// udev has not made the link yet when the service starts at boot, or the adapter is plugged in
// after the login.
TEST(DeviceUnplugTest, DeviceThatAppearsAfterTheStartIsTakenUp) {
  Scenario scenario;
  scenario.deviceAtStart = false;
  ScenarioRun run(scenario);
  ASSERT_TRUE(run.Started()) << run.StartProblem();
  std::this_thread::sleep_for(std::chrono::seconds(3));  // past a try that found nothing
  ASSERT_TRUE(run.Program().Running());

  ASSERT_TRUE(run.PlugInNewDevice({"--frames", "6"}));
  const ScenarioOutcome outcome = FinishChecked(run);
  ASSERT_EQ(outcome.frames.size(), 6u) << "the port was not opened when the device appeared";
  EXPECT_EQ(outcome.clock.sets.size(), 5u);
  EXPECT_TRUE(SetsAskedFor(outcome.clock, OutrightSetsAfter(outcome.frames, 0, 1)));
  EXPECT_TRUE(outcome.programRanToTheEnd);
}

}  // namespace
}  // namespace gpsclock::e2e
