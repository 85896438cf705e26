// Black-box: a flood of stray bytes at 9600 baud without a start byte, from the moment the program
// opens the port. The program keeps running on little processor time, sets nothing and writes no
// line; once the line is quiet, the first whole frame is taken up and the clock is set at the
// marks after it.
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "checked_scenario.h"
#include "harness/noisy_line.h"
#include "harness/tracking_log_line.h"

namespace gpsclock::e2e {
namespace {

constexpr std::chrono::seconds kTimeout{20};
// Start-up is over within a second of the open; the flood after that is measured.
constexpr std::chrono::seconds kStartUp{1};
constexpr std::chrono::seconds kMeasuredFlood{9};
constexpr std::size_t kFramesAfterTheFlood = 4;

TEST(LineNoiseTest, FloodWithoutStartBytesSetsNothingAndTheFramesAfterItAreTakenUp) {
  Scenario scenario;
  scenario.pcAheadSeconds = -5;
  scenario.programStartsAtOnce = false;
  ScenarioRun run(scenario);
  NoisyLine line(run.Folder(), 9600);
  ASSERT_TRUE(line.Ready());
  ASSERT_TRUE(run.StartProgram()) << run.StartProblem();
  ASSERT_TRUE(line.WaitForReader(kTimeout));

  std::this_thread::sleep_for(kStartUp);
  const auto cpuBefore = run.Program().Process().CpuTime();
  std::this_thread::sleep_for(kMeasuredFlood);
  const auto cpuUsed = run.Program().Process().CpuTime() - cpuBefore;
  ASSERT_TRUE(run.Program().Running());
  const std::int64_t quietNs = line.Quieten();
  const std::size_t framesBefore = run.Simulator().Frames().size();
  ASSERT_TRUE(run.Simulator().StopAfterFrames(framesBefore + kFramesAfterTheFlood, kTimeout));
  const ScenarioOutcome outcome = FinishChecked(run);

  // Up to 960 bytes a second, each one its own receive event.
  EXPECT_GT(line.NoiseBytesSent(), 8000);
  EXPECT_LT(cpuUsed, std::chrono::duration_cast<std::chrono::microseconds>(kMeasuredFlood) / 10)
      << "processor time during the flood";
  EXPECT_TRUE(SetsAskedFor(outcome.clock, OutrightSetsAfter(outcome.frames, quietNs, 1)));
  const auto firstAfter = std::find_if(
      outcome.frames.begin(), outcome.frames.end(),
      [quietNs](const SentFrame& frame) { return frame.startByteMonotonicNs > quietNs; });
  ASSERT_NE(firstAfter, outcome.frames.end());
  EXPECT_EQ(outcome.trackingLog, TrackingLogLine(*firstAfter, LockEvent::kLocked) +
                                     TrackingLogLine(*firstAfter, LockEvent::kRestored));
  EXPECT_TRUE(outcome.programRanToTheEnd);
}

}  // namespace
}  // namespace gpsclock::e2e
