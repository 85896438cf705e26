// Black-box: the program stopped for 4.5 s in the middle of a stream of locked frames (a stalled
// desktop, a busy machine) and resumed. The start bytes that waited in the terminal meanwhile
// must not set the clock: every set lands within 5 ms of the device's time at that moment.
#include <gtest/gtest.h>
#include <signal.h>

#include <thread>

#include "checked_scenario.h"

namespace gpsclock::e2e {
namespace {

constexpr std::chrono::seconds kTimeout{20};
constexpr std::int64_t kMostErrorNs = 5 * kNanosecondsPerMillisecond;

TEST(StalledProgramTest, StartBytesThatWaitedNeverSetTheClock) {
  Scenario scenario;
  scenario.pcAheadSeconds = -3;
  scenario.simulatorOptions = {"--frames", "14"};
  ScenarioRun run(scenario);
  ASSERT_TRUE(run.Started()) << run.StartProblem();
  ASSERT_TRUE(run.Simulator().WaitForFrames(4, kTimeout));
  // Stopped 300 ms into a second and resumed 800 ms into one: the last start byte that waited
  // has its whole frame behind it.
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  const pid_t program = run.Program().Process().Id();
  ASSERT_EQ(kill(program, SIGSTOP), 0);
  std::this_thread::sleep_for(std::chrono::milliseconds(4500));
  ASSERT_EQ(kill(program, SIGCONT), 0);
  const ScenarioOutcome outcome = FinishChecked(run);
  ASSERT_EQ(outcome.frames.size(), 14u);

  int setsAfterTheStall = 0;
  for (const ClockSet& set : outcome.clock.sets) {
    const std::int64_t error = set.askedNs - DeviceTimeAt(outcome.frames, set.monotonicNs);
    EXPECT_LE(std::abs(error), kMostErrorNs) << "a set " << error / 1000 << " us off";
    if (set.monotonicNs > outcome.frames[9].startByteMonotonicNs) ++setsAfterTheStall;
  }
  EXPECT_GE(setsAfterTheStall, 3) << "the fresh marks after the stall set the clock again";
}

}  // namespace
}  // namespace gpsclock::e2e
