// The synchronisation switch: its two states in the menu, Label7 and Shape3, and what the clock
// displays and the correction do while it is off.
#include <gtest/gtest.h>

#include "clock/next_start_byte.h"

namespace gpsclock {
namespace {

constexpr Nanoseconds kSecond = kNanosecondsPerSecond;
constexpr Nanoseconds kMillisecond = kNanosecondsPerMillisecond;
constexpr const char* kAt9600 = "4,1,0,5\r\n";

struct SwitchCase {
  const char* name;
  int presses;  // StopTime commands after start-up
  const char* stopTimeCaption;
  const char* label7Caption;
  bool syncEnabled;
  Colour shape3Fill;

  friend void PrintTo(const SwitchCase& c, std::ostream* out) { *out << c.name; }
};

class SyncSwitch : public testing::TestWithParam<SwitchCase> {};

TEST_P(SyncSwitch, ShowsItsStateInTheMenuLabel7AndShape3) {
  const SwitchCase& c = GetParam();
  SimulatedProgram sim;
  sim.Start(kAt9600);
  for (int press = 0; press < c.presses; ++press) sim.program.OnStopTimeCommand();
  const MainWindowModel& window = sim.program.window;
  EXPECT_EQ(window.StopTime.Caption(), c.stopTimeCaption);
  EXPECT_EQ(window.Label7.Caption(), c.label7Caption);
  EXPECT_EQ(sim.program.Sync().SyncEnabled(), c.syncEnabled);
  EXPECT_EQ(window.Shape3.Fill(), c.shape3Fill);
}

INSTANTIATE_TEST_SUITE_P(
    Presses, SyncSwitch,
    testing::Values(
        SwitchCase{"OnFromStartUp", 0, "禁止对时", "对时状态", true, kBrightGreen},
        SwitchCase{"OnePressSwitchesOff", 1, "允许对时", "停止对时", false, kDarkGreen},
        SwitchCase{"TwoPressesSwitchBackOn", 2, "禁止对时", "对时状态", true, kBrightGreen},
        SwitchCase{"ThreePressesSwitchOffAgain", 3, "允许对时", "停止对时", false, kDarkGreen}),
    [](const testing::TestParamInfo<SwitchCase>& info) { return info.param.name; });

TEST(SyncSwitchTimer1, IsStartedWhenStopped) {
  SimulatedProgram sim;
  sim.Start(kAt9600);
  sim.platform.Timer1.Disable();
  sim.program.OnStopTimeCommand();
  EXPECT_TRUE(sim.platform.Timer1.IsEnabled());
  sim.platform.time.AdvanceTo(100 * kMillisecond);
  EXPECT_EQ(sim.platform.Timer1.TickTimes().size(), 1u);
}

TEST(SyncSwitchTimer1, KeepsItsCountdownWhenRunning) {
  SimulatedProgram sim;
  sim.Start(kAt9600);
  sim.platform.time.AdvanceTo(550 * kMillisecond);
  sim.program.OnStopTimeCommand();
  sim.program.OnStopTimeCommand();
  sim.platform.time.AdvanceTo(600 * kMillisecond);
  ASSERT_EQ(sim.platform.Timer1.TickTimes().size(), 6u);
  EXPECT_EQ(sim.platform.Timer1.TickTimes().back(), 600 * kMillisecond);
}

TEST(WhileSwitchedOff, TheGpsTimeIsBlankAndTheGpsDateStaysUntilTheNextMarkAfterSwitchingOn) {
  SimulatedProgram sim;
  const Nanoseconds gpsAtStart = CivilNanoseconds(2024, 5, 6, 23, 59, 55);
  sim.Start(kAt9600, gpsAtStart);
  SimulatedDevice device(sim.platform, gpsAtStart);
  const MainWindowModel& window = sim.program.window;
  for (int second = 1; second <= 3; ++second) RunThroughNextStartByte(sim.platform, device);
  ASSERT_EQ(window.LDIS.Caption(), " 23:59:58");
  ASSERT_EQ(window.LDISD.Caption(), "2024-05-06");

  sim.program.OnStopTimeCommand();
  // Past midnight: the frames from 5 s on carry 7 May.
  for (int second = 4; second <= 9; ++second) {
    RunThroughNextStartByte(sim.platform, device);
    EXPECT_EQ(window.LDIS.Caption(), "   :  :  ") << second << " s";
    EXPECT_EQ(window.LDISD.Caption(), "2024-05-06") << second << " s";
    EXPECT_TRUE(sim.program.Assembler().FrameReady()) << second << " s";
  }
  // No decode postpones Timer1: a second after the last decode before switching off, the local
  // clock labels follow the PC clock every 100 ms.
  sim.platform.time.AdvanceTo(9 * kSecond + 500 * kMillisecond);
  Nanoseconds previousTick = 0;
  int ticksWhileOff = 0;
  for (const Nanoseconds tick : sim.platform.Timer1.TickTimes()) {
    if (tick > 4100 * kMillisecond) {
      EXPECT_EQ(tick - previousTick, 100 * kMillisecond);
      ++ticksWhileOff;
    }
    previousTick = tick;
  }
  EXPECT_EQ(ticksWhileOff, 54);
  EXPECT_EQ(window.LSDIS.Caption(), " 00:00:04");
  EXPECT_EQ(window.LSDISD.Caption(), "2024-05-07");

  sim.program.OnStopTimeCommand();
  RunThroughNextStartByte(sim.platform, device);
  EXPECT_EQ(window.LDIS.Caption(), " 00:00:05");
  EXPECT_EQ(window.LDISD.Caption(), "2024-05-07");
  EXPECT_FALSE(sim.program.Assembler().FrameReady());
}

TEST(WhileSwitchedOff, ThePcClockIsLeftAloneUntilTheNextMarkAfterSwitchingOn) {
  SimulatedProgram sim;
  const Nanoseconds gpsAtStart = CivilNanoseconds(2024, 5, 6, 12, 20, 0);
  sim.Start(kAt9600, gpsAtStart - 3 * kSecond);
  SimulatedDevice device(sim.platform, gpsAtStart);
  SimulatedClock& clock = sim.platform.clock;
  const auto gpsNow = [&] { return gpsAtStart + sim.platform.time.Now(); };
  for (int second = 1; second <= 3; ++second) RunThroughNextStartByte(sim.platform, device);
  ASSERT_EQ(clock.Sets().size(), 2u);
  ASSERT_EQ(clock.Time(), gpsNow() + kMillisecond);

  sim.program.OnStopTimeCommand();
  clock.SetTime(gpsNow() - 5 * kSecond);
  for (int second = 4; second <= 8; ++second) {
    RunThroughNextStartByte(sim.platform, device);
    EXPECT_EQ(clock.Time(), gpsNow() - 5 * kSecond) << second << " s";
  }
  EXPECT_EQ(clock.Sets().size(), 2u);

  sim.program.OnStopTimeCommand();
  RunThroughNextStartByte(sim.platform, device);
  ASSERT_EQ(clock.Sets().size(), 3u);
  EXPECT_EQ(clock.Time(), gpsNow() + kMillisecond);
}

}  // namespace
}  // namespace gpsclock
