// A PC clock that refuses to be set: the labels keep showing the real clock, the log view says so
// once per run of failures, the tracking log file is not touched, and every mark tries again.
#include <gtest/gtest.h>

#include "clock/next_start_byte.h"
#include "platform/text_encoding.h"
#include "receiver/lock_log.h"

namespace gpsclock {
namespace {

constexpr Nanoseconds kSecond = kNanosecondsPerSecond;
constexpr const char* kClockSetFailed = "系统时间设置失败";

int NoticeCount(const LogView& logView) {
  int count = 0;
  for (const std::string& line : logView.Lines()) count += line == kClockSetFailed;
  return count;
}

TEST(FailingClockSet, IsShownOncePerRunOfFailuresWhileTheLabelsShowTheRealClock) {
  SimulatedProgram sim;
  const Nanoseconds gpsAtStart = CivilNanoseconds(2024, 5, 6, 12, 20, 0);
  sim.Start("4,1,0,5\r\n", gpsAtStart - 5 * kSecond);
  SimulatedClock& clock = sim.platform.clock;
  const MainWindowModel& window = sim.program.window;
  SimulatedDevice device(sim.platform, gpsAtStart);
  clock.SetFailSets(true);

  RunThroughNextStartByte(sim.platform, device);
  RunThroughNextStartByte(sim.platform, device);  // the first mark: GPS 12:20:02, PC 12:19:57
  ASSERT_EQ(clock.Sets().size(), 1u);
  EXPECT_FALSE(clock.Sets()[0].succeeded);
  EXPECT_EQ(window.LSDIS.Caption(), " 12:19:57");
  EXPECT_EQ(window.LSDISD.Caption(), "2024-05-06");
  EXPECT_EQ(window.LDIS.Caption(), " 12:20:02");
  ASSERT_FALSE(window.text1.Lines().empty());
  EXPECT_EQ(window.text1.Lines().back(), kClockSetFailed);
  EXPECT_EQ(NoticeCount(window.text1), 1);

  for (const char* pcTime : {" 12:19:58", " 12:19:59"}) {
    RunThroughNextStartByte(sim.platform, device);
    EXPECT_FALSE(clock.Sets().back().succeeded);
    EXPECT_EQ(window.LSDIS.Caption(), pcTime);
  }
  EXPECT_EQ(clock.Sets().size(), 3u);  // every mark tried again
  EXPECT_EQ(NoticeCount(window.text1), 1);

  clock.SetFailSets(false);
  RunThroughNextStartByte(sim.platform, device);
  ASSERT_TRUE(clock.Sets().back().succeeded);
  EXPECT_EQ(window.LSDIS.Caption(), " 12:20:05");
  EXPECT_EQ(NoticeCount(window.text1), 1);

  clock.SetFailSets(true);
  RunThroughNextStartByte(sim.platform, device);
  EXPECT_FALSE(clock.Sets().back().succeeded);
  EXPECT_EQ(window.text1.Lines().back(), kClockSetFailed);
  EXPECT_EQ(NoticeCount(window.text1), 2);

  // The tracking log file holds the lock lines of the log view and nothing else.
  std::string lockLines;
  int lockLineCount = 0;
  for (const std::string& line : window.text1.Lines()) {
    if (line == kClockSetFailed) continue;
    lockLines += *sim.platform.encoder.Utf8ToGbk(line) + "\r\n";
    ++lockLineCount;
  }
  EXPECT_EQ(lockLineCount, 2);
  EXPECT_EQ(sim.platform.files.Contents(std::string(kTrackingLogFileName)), lockLines);
}

}  // namespace
}  // namespace gpsclock
