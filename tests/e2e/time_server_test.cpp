// Black-box: the program hands every locked mark to Debian's chronyd, which selects it as its
// reference clock GPS and serves that time over NTP at stratum 1. chronyd runs privately with -x,
// so it never touches the machine's clock; the program runs unprivileged with the fake clock.
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <thread>

#include "checked_scenario.h"
#include "harness/chrony_server.h"
#include "harness/ntp_query.h"

namespace gpsclock::e2e {
namespace {

constexpr std::chrono::seconds kTimeout{30};
// chronyd selects the source after about 16 marks.
constexpr int kFrames = 24;
constexpr double kOffsetLimitSeconds = 0.002;

TEST(TimeServerTest, ChronySelectsTheMarksAsSourceGpsAndServesThemAtStratumOne) {
  if (geteuid() != 0) GTEST_SKIP() << "chronyd starts only as root";
  if (access("/usr/sbin/chronyd", X_OK) != 0) GTEST_SKIP() << "chrony is not installed";
  ScenarioRun run(ChronyScenario({"--frames", std::to_string(kFrames)}));
  ChronyServer chrony(run.Folder());
  ASSERT_TRUE(chrony.WaitUntilServing(kTimeout)) << chrony.Messages();
  ASSERT_TRUE(run.StartProgram()) << run.StartProblem();

  std::optional<ChronySource> gps;
  const auto deadline = std::chrono::steady_clock::now() + kTimeout;
  do {
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    gps = chrony.Source("GPS");
  } while ((!gps || gps->state != '*') && std::chrono::steady_clock::now() < deadline);
  ASSERT_TRUE(gps.has_value()) << chrony.Messages();
  EXPECT_EQ(gps->state, '*') << chrony.Report("sourcestats");
  EXPECT_GT(gps->reach, 0);
  EXPECT_LT(std::abs(gps->offsetSeconds), kOffsetLimitSeconds) << chrony.Messages();
  const auto answer = QueryNtpServer(chrony.NtpPort());
  ASSERT_TRUE(answer.has_value()) << chrony.Messages();
  EXPECT_EQ(answer->mode, 4);
  EXPECT_EQ(answer->stratum, 1);
  EXPECT_EQ(answer->referenceId, "GPS");
  FinishChecked(run);
}

}  // namespace
}  // namespace gpsclock::e2e
