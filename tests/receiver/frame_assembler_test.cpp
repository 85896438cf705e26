// Frames assembled from the byte stream: decoding with its one-second advance, the end check, and
// what stray, early and surplus characters do.
#include <gtest/gtest.h>

#include "support/simulated_platform.h"

namespace gpsclock {
namespace {

class FrameAssembler : public testing::Test {
 protected:
  void SetUp() override { sim.Start("4,1,0,5\r\n"); }
  void Feed(const std::string& bytes) { sim.platform.serial.Receive(bytes); }
  const gpsclock::FrameAssembler& Assembler() const { return sim.program.Assembler(); }

  SimulatedProgram sim;
};

struct DecodeCase {
  const char* name;
  std::string frame;
  GpsTime expected;  // Second, Minute, Hour, Month, Year, Day

  friend void PrintTo(const DecodeCase& c, std::ostream* out) { *out << c.name; }
};

class Decoding : public FrameAssembler, public testing::WithParamInterface<DecodeCase> {};

TEST_P(Decoding, GivesTheTimeOfTheNextStartByte) {
  Feed(GetParam().frame);
  EXPECT_EQ(Assembler().ReceivedTime(), GetParam().expected);
}

std::string FrameWithDigits(const std::string& digits, char status) {
  std::string frame = MakeFrame(2024, 1, 1, 0, 0, 0, status);
  frame.replace(3, 12, digits);
  return frame;
}

INSTANTIATE_TEST_SUITE_P(
    Frames, Decoding,
    testing::Values(
        DecodeCase{
            "LockedAddsOneSecond", MakeFrame(2024, 5, 7, 12, 20, 5, 'A'), {6, 20, 12, 5, 2024, 7}},
        DecodeCase{"UnlockedKeepsTheDecodedTime",
                   MakeFrame(2024, 5, 7, 12, 20, 5, 'V'),
                   {5, 20, 12, 5, 2024, 7}},
        DecodeCase{"LowerCaseStatusKeepsTheDecodedTime",
                   MakeFrame(2024, 5, 7, 12, 20, 5, 'a'),
                   {5, 20, 12, 5, 2024, 7}},
        DecodeCase{"LeapDay", MakeFrame(2008, 2, 28, 23, 59, 59, 'A'), {0, 0, 0, 2, 2008, 29}},
        DecodeCase{"NoLeapDay", MakeFrame(2007, 2, 28, 23, 59, 59, 'A'), {0, 0, 0, 3, 2007, 1}},
        DecodeCase{
            "EndOfLeapFebruary", MakeFrame(2008, 2, 29, 23, 59, 59, 'A'), {0, 0, 0, 3, 2008, 1}},
        DecodeCase{"EndOfCentury", MakeFrame(2099, 12, 31, 23, 59, 59, 'A'), {0, 0, 0, 1, 2100, 1}},
        DecodeCase{"EndOfMonth", MakeFrame(2024, 4, 30, 23, 59, 59, 'A'), {0, 0, 0, 5, 2024, 1}},
        DecodeCase{"EndOfHour", MakeFrame(2024, 4, 30, 9, 59, 59, 'A'), {0, 0, 10, 4, 2024, 30}},
        // A day too large for its month moves on at any second, not only at midnight.
        DecodeCase{
            "DayTooLargeForItsMonth", FrameWithDigits("240431100000", 'A'), {1, 0, 10, 5, 2024, 1}},
        DecodeCase{"MonthThirteen", FrameWithDigits("241305100000", 'A'), {1, 0, 10, 1, 2024, 5}},
        DecodeCase{
            "NonDigitsCountAsZero", FrameWithDigits("2 0507x2 5 5", 'V'), {5, 5, 2, 5, 2020, 7}},
        DecodeCase{
            "LargestDigits", FrameWithDigits("999999999999", 'V'), {99, 99, 99, 99, 2099, 99}}),
    [](const testing::TestParamInfo<DecodeCase>& info) { return info.param.name; });

TEST_F(FrameAssembler, AcceptedFrameIsShownRawAndWaitsForTheMark) {
  const std::string frame = MakeFrame(2024, 5, 7, 12, 20, 5, 'A');
  Feed(frame);
  EXPECT_TRUE(Assembler().FrameReady());
  EXPECT_FALSE(Assembler().FrameArmed());
  EXPECT_EQ(sim.program.window.Label9.Caption(), frame.substr(1, 38));
}

TEST_F(FrameAssembler, WrongEndDropsTheFrameButKeepsItsDecodedTimeAndStatus) {
  const std::string good = MakeFrame(2024, 5, 7, 12, 20, 5, 'A');
  Feed(good);
  ReceiveMark(sim.platform);  // FrameReady cleared
  std::string bad = MakeFrame(2024, 5, 7, 12, 20, 6, 'V');
  bad[40] = 'X';
  Feed(bad.substr(1));
  EXPECT_FALSE(Assembler().FrameReady());
  EXPECT_TRUE(Assembler().FrameArmed());
  EXPECT_FALSE(sim.program.Lock().Locked());
  EXPECT_EQ(Assembler().ReceivedTime().Second, 6);
  EXPECT_EQ(sim.program.window.Label9.Caption(), good.substr(1, 38));
}

TEST_F(FrameAssembler, MissingCarriageReturnDropsTheFrame) {
  std::string bad = MakeFrame(2024, 5, 7, 12, 20, 5, 'A');
  bad[39] = '\n';
  Feed(bad);
  EXPECT_FALSE(Assembler().FrameReady());
  EXPECT_EQ(sim.program.window.Label9.Caption(), "");
}

TEST_F(FrameAssembler, StartByteInsideAFrameCollectsAnew) {
  const std::string frame = MakeFrame(2024, 5, 7, 12, 20, 5, 'A');
  Feed(frame.substr(0, 10));
  Feed(frame);
  EXPECT_TRUE(Assembler().FrameReady());
  EXPECT_EQ(Assembler().ReceivedTime().Second, 6);
}

TEST_F(FrameAssembler, SecondStartByteInARowFindsNoFrameWaiting) {
  Feed(MakeFrame(2024, 5, 7, 12, 20, 5, 'A'));
  ReceiveMark(sim.platform);
  EXPECT_FALSE(Assembler().FrameReady());
  EXPECT_EQ(sim.program.window.LDIS.Caption(), " 12:20:06");
  Feed("\x01");
  EXPECT_FALSE(Assembler().FrameReady());
  EXPECT_TRUE(Assembler().FrameArmed());
  EXPECT_EQ(Assembler().RxCount(), 0);
  EXPECT_EQ(sim.program.window.LDIS.Caption(), "   :  :  ");
}

TEST_F(FrameAssembler, CharactersBeforeAnyStartByteAreCountedUpToTheCapAndDecodeNothing) {
  Feed(std::string(500, '7'));
  EXPECT_EQ(Assembler().RxCount(), 42);
  EXPECT_FALSE(Assembler().FrameArmed());
  EXPECT_EQ(Assembler().ReceivedTime(), GpsTime{});
  EXPECT_EQ(sim.program.window.Label9.Caption(), "");
  Feed(MakeFrame(2024, 5, 7, 12, 20, 5, 'A'));
  EXPECT_TRUE(Assembler().FrameReady());
  EXPECT_EQ(Assembler().ReceivedTime(), (GpsTime{6, 20, 12, 5, 2024, 7}));
}

TEST_F(FrameAssembler, SurplusCharactersAfterTheEndAreIgnored) {
  Feed(MakeFrame(2024, 5, 7, 12, 20, 5, 'A') + std::string(100, '5'));
  EXPECT_TRUE(Assembler().FrameReady());
  EXPECT_EQ(Assembler().RxCount(), 42);
  EXPECT_EQ(Assembler().ReceivedTime().Second, 6);
}

TEST_F(FrameAssembler, StartByteWhileSynchronisationIsOffKeepsTheFrameWaiting) {
  sim.program.OnStopTimeCommand();
  Feed(MakeFrame(2024, 5, 7, 12, 20, 5, 'A'));
  sim.platform.Timer1.Disable();
  ReceiveMark(sim.platform);
  EXPECT_TRUE(Assembler().FrameReady());
  EXPECT_EQ(sim.program.window.LDIS.Caption(), "   :  :  ");
  EXPECT_TRUE(sim.platform.Timer1.IsEnabled());
  EXPECT_TRUE(sim.platform.clock.Sets().empty());
}

}  // namespace
}  // namespace gpsclock

namespace gpsclock {
namespace {

const Nanoseconds kGpsAtStart = CivilNanoseconds(2024, 5, 7, 12, 20, 3);

// The PC a few seconds behind inside the set window, so every good mark sets the clock.
class MarkAfterAFault : public testing::Test {
 protected:
  void SetUp() override { sim.Start("4,1,0,5\r\n", CivilNanoseconds(2024, 5, 7, 12, 20, 0)); }
  std::size_t Sets() const { return sim.platform.clock.Sets().size(); }

  SimulatedProgram sim;
  SimulatedDevice device{sim.platform, kGpsAtStart};
};

TEST_F(MarkAfterAFault, MissingFrameLeavesTheNextStartByteWithoutAMark) {
  device.Run(3);
  const std::size_t before = Sets();
  device.Skip(1);
  device.Run(1);
  EXPECT_EQ(Sets(), before) << "the frame before the gap must not set the clock a second late";
  EXPECT_TRUE(sim.program.Assembler().FrameReady());
  device.Run(1);
  EXPECT_EQ(Sets(), before + 1);
  const SimulatedClock::SetCall& set = sim.platform.clock.Sets().back();
  EXPECT_EQ(set.asOf, 6 * kNanosecondsPerSecond);
  EXPECT_EQ(set.record,
            CivilRecord(kGpsAtStart + 6 * kNanosecondsPerSecond + kNanosecondsPerMillisecond));
}

TEST_F(MarkAfterAFault, FrameThatLostItsStartByteGivesNoMark) {
  device.Run(3);
  const std::size_t before = Sets();
  const Nanoseconds start = device.NextStart();
  ScheduleFrame(sim.platform, MakeFrame(device.NextGpsTime(), 'A').substr(1), start);
  device.Skip(1);
  device.Run(1);
  EXPECT_EQ(Sets(), before);
}

TEST_F(MarkAfterAFault, FrameWithADamagedDigitIsShownButNeverSetsTheClock) {
  device.Run(3);
  const std::string label9 = sim.program.window.Label9.Caption();
  std::string damaged = MakeFrame(device.NextGpsTime(), 'A');
  damaged[14] = '?';
  ScheduleFrame(sim.platform, damaged, device.NextStart());
  device.Skip(1);
  sim.platform.time.AdvanceTo(device.NextStart() - 1);
  const std::size_t before = Sets();
  EXPECT_EQ(sim.program.Assembler().ReceivedTime().Second, 1)
      << "decoded with the damaged digit as 0";
  EXPECT_FALSE(sim.program.Assembler().FrameReady());
  EXPECT_EQ(sim.program.window.Label9.Caption(), label9);
  device.Run(1);
  EXPECT_EQ(Sets(), before);
}

TEST_F(MarkAfterAFault, SlowestLineStillMarksEverySecond) {
  SimulatedProgram slow;
  slow.Start("1,1,0,5\r\n", CivilNanoseconds(2024, 5, 7, 12, 20, 0));
  SimulatedDevice slowDevice(slow.platform, kGpsAtStart, 1200);
  slowDevice.Run(10);
  EXPECT_EQ(slow.platform.clock.Sets().size(), 9u);
}

struct StatusCase {
  const char* name;
  const char* config;
  char status;
  bool sets;

  friend void PrintTo(const StatusCase& c, std::ostream* out) { *out << c.name; }
};

class StatusLetter : public testing::TestWithParam<StatusCase> {};

// A status letter damaged on the line (one flipped bit) keeps the lock status and skips the
// locked frame's advance: the frame is shown, but its mark would set the clock a second behind.
TEST_P(StatusLetter, DecidesWhetherTheFrameCanSetTheClock) {
  const StatusCase& c = GetParam();
  SimulatedProgram sim;
  sim.Start(c.config, CivilNanoseconds(2024, 5, 7, 12, 20, 3));
  const std::string frame = MakeFrame(2024, 5, 7, 12, 20, 5, c.status);
  sim.platform.serial.Receive(frame.substr(0, 1));
  sim.platform.serial.Receive(frame.substr(1));
  EXPECT_EQ(sim.program.window.Label9.Caption(), frame.substr(1, 38));
  ReceiveMark(sim.platform);
  sim.platform.serial.Receive(MakeFrame(2024, 5, 7, 12, 20, 6, c.status).substr(1, 15));
  const auto& sets = sim.platform.clock.Sets();
  ASSERT_EQ(sets.size(), c.sets ? 1u : 0u);
  if (c.sets) {
    EXPECT_EQ(sets[0].record, CivilRecord(CivilNanoseconds(2024, 5, 7, 12, 20, 6, 1)));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Letters, StatusLetter,
    testing::Values(StatusCase{"LockedSets", "4,1,0,5\r\n", 'A', true},
                    StatusCase{"UnlockedDoesNot", "4,1,0,5\r\n", 'V', false},
                    StatusCase{"UnlockedSetsWhenSettingUnlocked", "4,1,1,5\r\n", 'V', true},
                    StatusCase{"LowerCaseANever", "4,1,1,5\r\n", 'a', false},
                    StatusCase{"CNever", "4,1,1,5\r\n", 'C', false},
                    StatusCase{"AtSignNever", "4,1,1,5\r\n", '@', false}),
    [](const testing::TestParamInfo<StatusCase>& info) { return info.param.name; });

}  // namespace
}  // namespace gpsclock
