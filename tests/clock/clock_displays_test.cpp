// The clock displays: the texts of the four clock labels, the receive blink, and Timer1's
// 100 ms refresh postponed by a decode so that the local labels are written at the mark instead.
#include <gtest/gtest.h>

#include <vector>

#include "clock/next_start_byte.h"
#include "clock/on_time_mark.h"

namespace gpsclock {
namespace {

constexpr Nanoseconds kSecond = kNanosecondsPerSecond;
constexpr Nanoseconds kMillisecond = kNanosecondsPerMillisecond;
constexpr const char* kAt9600 = "4,1,0,5\r\n";
constexpr const char* kSyncWhenUnlockedAt9600 = "4,1,1,5\r\n";

struct TextsCase {
  const char* name;
  const char* config;
  char status;
  Nanoseconds received;  // ReceivedTime at the mark
  Nanoseconds pcClock;   // the PC clock at the mark, outside the window: never set
  const char* gpsTime;   // LDIS
  const char* gpsDate;   // LDISD
  const char* pcTime;    // LSDIS
  const char* pcDate;    // LSDISD

  friend void PrintTo(const TextsCase& c, std::ostream* out) { *out << c.name; }
};

class ClockTextsAtTheMark : public testing::TestWithParam<TextsCase> {};

TEST_P(ClockTextsAtTheMark, ShowTheReceivedTimeAndTheClockReading) {
  const TextsCase& c = GetParam();
  SimulatedProgram sim;
  sim.Start(c.config);
  SendFrameAndMark(sim, c.pcClock, c.received, c.status);
  const MainWindowModel& window = sim.program.window;
  EXPECT_EQ(window.LDIS.Caption(), c.gpsTime);
  EXPECT_EQ(window.LDISD.Caption(), c.gpsDate);
  EXPECT_EQ(window.LSDIS.Caption(), c.pcTime);
  EXPECT_EQ(window.LSDISD.Caption(), c.pcDate);
}

INSTANTIATE_TEST_SUITE_P(
    Marks, ClockTextsAtTheMark,
    testing::Values(TextsCase{"Midnight", kAt9600, 'A', CivilNanoseconds(2024, 12, 1, 0, 0, 0),
                              CivilNanoseconds(2024, 12, 1, 0, 0, 0, 300), " 00:00:00",
                              "2024-12-01", " 00:00:00", "2024-12-01"},
                    TextsCase{"LastSecondOfTheDay", kAt9600, 'A',
                              CivilNanoseconds(2024, 12, 1, 23, 59, 59),
                              CivilNanoseconds(2024, 12, 1, 23, 59, 58, 700), " 23:59:59",
                              "2024-12-01", " 23:59:58", "2024-12-01"},
                    TextsCase{"SyncWhenUnlockedShowsTheLocalDayAsAPlainNumber",
                              kSyncWhenUnlockedAt9600, 'A', CivilNanoseconds(2024, 12, 1, 0, 0, 0),
                              CivilNanoseconds(2024, 12, 1, 0, 0, 2), " 00:00:00", "2024-12-01",
                              " 00:00:02", "2024-12-1"},
                    // The unlocked frame's decoded time is shown; only the set adds its second.
                    TextsCase{"SyncWhenUnlockedShowsTheLocalDayAsAPlainNumberWhileUnlocked",
                              kSyncWhenUnlockedAt9600, 'V', CivilNanoseconds(2024, 12, 1, 0, 0, 0),
                              CivilNanoseconds(2024, 12, 1, 0, 0, 2), " 23:59:59", "2024-11-30",
                              " 00:00:02", "2024-12-1"}),
    [](const testing::TestParamInfo<TextsCase>& info) { return info.param.name; });

TEST(ClockTexts, Timer1WritesTheLocalDayInTwoDigitsAlsoWhenSyncingUnlocked) {
  SimulatedProgram sim;
  sim.Start(kSyncWhenUnlockedAt9600);
  SendFrameAndMark(sim, CivilNanoseconds(2024, 12, 1, 0, 0, 2),
                   CivilNanoseconds(2024, 12, 1, 0, 0, 0));
  ASSERT_EQ(sim.program.window.LSDISD.Caption(), "2024-12-1");
  sim.platform.time.AdvanceBy(kSecond + kNanosecondsPerMillisecond);
  ASSERT_FALSE(sim.platform.Timer1.TickTimes().empty());
  EXPECT_EQ(sim.program.window.LSDISD.Caption(), "2024-12-01");
  EXPECT_EQ(sim.program.window.LSDIS.Caption(), " 00:00:03");
}

TEST(MarkIndicators, StartByteWhileLockedFlashesShape2ForExactly100Ms) {
  SimulatedProgram sim;
  sim.Start(kAt9600);
  const Nanoseconds gps = CivilNanoseconds(2024, 5, 6, 12, 20, 0);
  ScheduleFrame(sim.platform, MakeFrame(gps + kSecond, 'A'), kSecond);
  ScheduleFrame(sim.platform, MakeFrame(gps + 2 * kSecond, 'A'), 2 * kSecond);
  const MainWindowModel& window = sim.program.window;

  sim.platform.time.AdvanceTo(2 * kSecond);
  EXPECT_EQ(window.Shape2.Fill(), kBrightGreen);
  EXPECT_TRUE(sim.platform.Timer2.IsEnabled());
  for (const ClockLabel* label : {&window.LDIS, &window.LDISD}) {
    EXPECT_EQ(label->Background(), kBlack);
    EXPECT_EQ(label->Foreground(), kBrightGreen);
  }
  sim.platform.time.AdvanceTo(2 * kSecond + 100 * kMillisecond - 1);
  EXPECT_EQ(window.Shape2.Fill(), kBrightGreen);
  sim.platform.time.AdvanceTo(2 * kSecond + 100 * kMillisecond);
  EXPECT_EQ(window.Shape2.Fill(), kDarkGreen);
  EXPECT_FALSE(sim.platform.Timer2.IsEnabled());
  EXPECT_EQ(sim.platform.Timer2.TickTimes().back(), 2 * kSecond + 100 * kMillisecond);
}

TEST(MarkIndicators, StartByteWhileUnlockedShowsNoFlash) {
  SimulatedProgram sim;
  sim.Start(kAt9600);
  const Nanoseconds gps = CivilNanoseconds(2024, 5, 6, 12, 20, 0);
  // A locked frame, then at once an unlocked one whose start byte flashes for the locked one.
  sim.platform.serial.Receive(MakeFrame(gps, 'A'));
  sim.platform.serial.Receive(MakeFrame(gps + kSecond, 'V'));
  const MainWindowModel& window = sim.program.window;
  ASSERT_EQ(window.Shape2.Fill(), kBrightGreen);
  ASSERT_TRUE(sim.platform.Timer2.IsEnabled());

  sim.platform.serial.Receive("\x01");

  EXPECT_EQ(window.Shape2.Fill(), kDarkGreen);
  EXPECT_FALSE(sim.platform.Timer2.IsEnabled());
  for (const ClockLabel* label : {&window.LDIS, &window.LDISD}) {
    EXPECT_EQ(label->Background(), kBlack);
    EXPECT_EQ(label->Foreground(), kDarkGreen);
  }
}

std::vector<Nanoseconds> TicksAfter(const SimulatedTimer& timer, Nanoseconds after) {
  std::vector<Nanoseconds> ticks;
  for (const Nanoseconds tick : timer.TickTimes()) {
    if (tick > after) ticks.push_back(tick);
  }
  return ticks;
}

struct RephaseCase {
  const char* name;
  const char* config;
  char status;
  bool switchedOff;
  bool postponed;  // the first Timer1 tick after the decode comes 1000 ms after it

  friend void PrintTo(const RephaseCase& c, std::ostream* out) { *out << c.name; }
};

class Timer1AfterADecode : public testing::TestWithParam<RephaseCase> {};

TEST_P(Timer1AfterADecode, IsPostponedTo1000MsOnlyWhenTheMarkWillShowTheLocalClock) {
  const RephaseCase& c = GetParam();
  SimulatedProgram sim;
  sim.Start(c.config, CivilNanoseconds(2024, 5, 6, 12, 20, 0));
  if (c.switchedOff) sim.program.OnStopTimeCommand();
  const Nanoseconds decodeAt = 550 * kMillisecond;
  sim.platform.time.AdvanceTo(decodeAt);
  sim.platform.serial.Receive(MakeFrame(CivilNanoseconds(2024, 5, 6, 12, 20, 0), c.status));
  sim.platform.time.AdvanceTo(1500 * kMillisecond);
  sim.platform.serial.Receive("\x01");
  sim.platform.time.AdvanceTo(3 * kSecond);

  const std::vector<Nanoseconds> ticks = TicksAfter(sim.platform.Timer1, decodeAt);
  ASSERT_GE(ticks.size(), 2u);
  const Nanoseconds firstTick = decodeAt + (c.postponed ? 1000 : 50) * kMillisecond;
  EXPECT_EQ(ticks[0], firstTick);
  // The first tick after the decode sets the period back to 100 ms.
  EXPECT_EQ(ticks[1], firstTick + 100 * kMillisecond);
  EXPECT_EQ(sim.platform.Timer1.Interval(), 100);
}

INSTANTIATE_TEST_SUITE_P(
    Decodes, Timer1AfterADecode,
    testing::Values(RephaseCase{"Locked", kAt9600, 'A', false, true},
                    RephaseCase{"Unlocked", kAt9600, 'V', false, false},
                    RephaseCase{"LockedWhileSwitchedOff", kAt9600, 'A', true, false},
                    RephaseCase{"UnlockedWhileSyncingUnlocked", kSyncWhenUnlockedAt9600, 'V', false,
                                true},
                    // Neither A nor V from start-up leaves SignalUnlocked false.
                    RephaseCase{"UnknownStatusFromStartUp", kAt9600, 'X', false, true}),
    [](const testing::TestParamInfo<RephaseCase>& info) { return info.param.name; });

// A silent line or a lost port must not leave the last GPS time standing in bright green.
TEST(MarkIndicators, NoStartByteForThreeSecondsShowsNoGpsTimeUntilTheNextOne) {
  SimulatedProgram sim;
  sim.Start(kAt9600);
  SimulatedDevice device(sim.platform, CivilNanoseconds(2024, 5, 6, 12, 20, 0));
  const MainWindowModel& window = sim.program.window;
  const auto showsNoTime = [&window] {
    return window.LDIS.Caption() == "   :  :  " && window.LDIS.Foreground() == kDarkGreen &&
           window.LDISD.Foreground() == kDarkGreen;
  };
  device.Run(3);  // start bytes up to 3 s
  device.Skip(2);
  sim.platform.time.AdvanceTo(device.NextStart() - 1);  // just under 3 s of silence
  EXPECT_EQ(window.LDIS.Caption(), " 12:20:03");
  sim.platform.time.AdvanceBy(1);
  EXPECT_TRUE(showsNoTime());

  device.Run(2);  // a start byte, then the mark of its frame
  EXPECT_EQ(window.LDIS.Foreground(), kBrightGreen);
  EXPECT_EQ(window.LDIS.Caption(), " 12:20:07");
  sim.platform.serial.LosePort();
  EXPECT_TRUE(showsNoTime());
}

TEST(LocalClockDisplay, WhileUnlockedFollowsThePcClockEvery100Ms) {
  SimulatedProgram sim;
  sim.Start(kAt9600, CivilNanoseconds(2024, 5, 6, 12, 20, 0));
  SimulatedDevice device(sim.platform, CivilNanoseconds(2024, 5, 6, 12, 30, 0));
  device.Run(5, 'V');  // up to 6 s, just before the next start byte

  const auto& ticks = sim.platform.Timer1.TickTimes();
  ASSERT_EQ(ticks.size(), 59u);
  for (std::size_t i = 0; i < ticks.size(); ++i) {
    EXPECT_EQ(ticks[i], static_cast<Nanoseconds>(i + 1) * 100 * kMillisecond);
  }
  // The clock was read by the ticks alone, never at a mark.
  EXPECT_EQ(sim.platform.clock.Reads(), ticks.size());
  EXPECT_EQ(sim.program.window.LSDIS.Caption(), " 12:20:05");
  EXPECT_EQ(sim.program.window.LSDISD.Caption(), "2024-05-06");
}

TEST(LocalClockDisplay, AnUnlockedMarkLeavesTheLocalLabelsToTimer1) {
  SimulatedProgram sim;
  sim.Start(kAt9600, CivilNanoseconds(2024, 5, 6, 12, 20, 0));
  sim.platform.time.AdvanceTo(350 * kMillisecond);
  sim.platform.serial.Receive(MakeFrame(CivilNanoseconds(2024, 5, 6, 12, 30, 0), 'V'));
  sim.platform.time.AdvanceTo(1350 * kMillisecond);
  const std::size_t readsBefore = sim.platform.clock.Reads();

  sim.platform.serial.Receive("\x01");

  EXPECT_EQ(sim.platform.clock.Reads(), readsBefore);
  EXPECT_EQ(sim.program.window.LSDIS.Caption(), " 12:20:01");  // from the tick at 1300 ms
  EXPECT_EQ(sim.program.window.LSDISD.Caption(), "2024-05-06");
  EXPECT_EQ(sim.program.window.LDIS.Caption(), " 12:30:00");
}

// A frame of neither status never marks a second, so Timer1 goes on showing the PC clock.
TEST(LocalClockDisplay, UnknownStatusFromStartUpKeepsShowingThePcClock) {
  SimulatedProgram sim;
  sim.Start(kAt9600, CivilNanoseconds(2024, 5, 6, 12, 20, 0));
  SimulatedDevice device(sim.platform, CivilNanoseconds(2024, 5, 6, 12, 30, 0));
  const MainWindowModel& window = sim.program.window;
  RunThroughNextStartByte(sim.platform, device, 'X');
  for (int mark = 2; mark <= 6; ++mark) {
    sim.platform.time.AdvanceTo(mark * kSecond - 1);
    EXPECT_EQ(window.LSDIS.Caption(), " 12:20:0" + std::to_string(mark - 1));
    EXPECT_EQ(window.LSDISD.Caption(), "2024-05-06");
    RunThroughNextStartByte(sim.platform, device, 'X');
    // The tick at the start byte's second, and no mark.
    EXPECT_EQ(window.LSDIS.Caption(), " 12:20:0" + std::to_string(mark))
        << "start byte at " << mark << " s";
  }
  EXPECT_TRUE(sim.platform.clock.Sets().empty());
  EXPECT_EQ(sim.platform.clock.Reads(), sim.platform.Timer1.TickTimes().size());
}

}  // namespace
}  // namespace gpsclock
