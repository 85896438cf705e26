// Which start byte marks the second: one that waited (a stalled program, at every speed), a stray
// one between frames, and the samples that the fresh marks, and only they, give the time server.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "receiver/frame_layout.h"
#include "support/simulated_platform.h"

namespace gpsclock {
namespace {

constexpr Nanoseconds kSecond = kNanosecondsPerSecond;
constexpr Nanoseconds kMillisecond = kNanosecondsPerMillisecond;
const Nanoseconds kGpsAtStart = CivilNanoseconds(2024, 5, 6, 12, 20, 0);

struct StallCase {
  const char* name;
  const char* config;
  int baud;
  Nanoseconds lineDelay;  // BaudDelayMs of an outright set
  int stalledSeconds;

  friend void PrintTo(const StallCase& c, std::ostream* out) { *out << c.name; }
};

class StalledProgram : public testing::TestWithParam<StallCase> {};

// The program cannot read for a while; the device goes on, and its bytes wait in the terminal.
// None of the start bytes that waited may set the clock, and the next fresh one sets it right.
TEST_P(StalledProgram, SetsTheClockOnlyAtFreshMarks) {
  const StallCase& c = GetParam();
  SimulatedProgram sim;
  sim.Start(c.config, kGpsAtStart + 3 * kSecond);
  SimulatedDevice device(sim.platform, kGpsAtStart, c.baud);
  device.Run(3);
  const std::size_t setsBefore = sim.platform.clock.Sets().size();
  const Nanoseconds stallStart = device.NextStart();

  std::string backlog;
  for (int second = 0; second < c.stalledSeconds; ++second) {
    backlog += MakeFrame(device.NextGpsTime(), 'A');
    device.Skip(1);
  }
  // Resumed 300 ms into the next second: that frame's start byte waited too.
  backlog += MakeFrame(device.NextGpsTime(), 'A').substr(0, 20);
  device.Skip(1);
  sim.platform.time.AdvanceTo(stallStart + c.stalledSeconds * kSecond + 300 * kMillisecond);
  sim.platform.serial.Receive(backlog);
  EXPECT_EQ(sim.platform.clock.Sets().size(), setsBefore) << "a start byte that waited set it";

  sim.platform.time.AdvanceTo(device.NextStart() - 1);
  device.Run(3);
  const auto& sets = sim.platform.clock.Sets();
  ASSERT_EQ(sets.size(), setsBefore + 2);  // the first fresh frame's mark and the next
  for (std::size_t index = setsBefore; index < sets.size(); ++index) {
    EXPECT_EQ(sets[index].before + sets[index].moved, kGpsAtStart + sets[index].at + c.lineDelay);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Speeds, StalledProgram,
    testing::Values(StallCase{"At9600Baud", "4,1,0,5\r\n", 9600, kMillisecond, 4},
                    StallCase{"At4800Baud", "3,1,0,5\r\n", 4800, 2 * kMillisecond, 4},
                    StallCase{"At2400Baud", "2,1,0,5\r\n", 2400, 4 * kMillisecond, 2},
                    StallCase{"At1200Baud", "1,1,0,5\r\n", 1200, 8 * kMillisecond, 2}),
    [](const testing::TestParamInfo<StallCase>& info) { return info.param.name; });

// Line noise that carries start bytes between the frames, at random moments: every set is still
// the true time of its mark, and the waiting frame's own mark still counts.
TEST(StrayStartBytes, NeverMoveTheClockWrong) {
  SimulatedProgram sim;
  sim.Start("4,1,0,5\r\n", kGpsAtStart + 3 * kSecond);
  SimulatedDevice device(sim.platform, kGpsAtStart);
  std::mt19937 random(20241209);
  std::uniform_int_distribution<Nanoseconds> moment(60 * kMillisecond, 940 * kMillisecond);
  std::uniform_int_distribution<int> noise(0, 255);
  for (int second = 0; second < 300; ++second) {
    const Nanoseconds stray = device.NextStart() + moment(random);
    // Fewer bytes behind it than arrive in 20 ms: the stray start byte is fresh.
    std::string bytes(1, '\x01');
    for (int i = 0; i < 12; ++i) bytes += static_cast<char>(noise(random));
    sim.platform.time.Schedule(stray, [&sim, bytes] { sim.platform.serial.Receive(bytes); });
    device.Run(1);
  }
  const auto& sets = sim.platform.clock.Sets();
  EXPECT_GT(sets.size(), 250u);
  for (const auto& set : sets) {
    ASSERT_EQ(set.before + set.moved, kGpsAtStart + set.at + kMillisecond)
        << "set at " << set.at / kMillisecond << " ms";
  }
}

// What the device or the line did to the frames of seconds 1 to 14 (index 0 to 13).
using Spoil = void (*)(std::vector<std::string>& frames);

struct ConfirmationCase {
  const char* name;
  Spoil spoil;
  Nanoseconds strayBeforeFifth;  // a stray start byte this long before the fifth frame's; 0: none
  int lostMarks;                 // of the thirteen

  friend void PrintTo(const ConfirmationCase& c, std::ostream* out) { *out << c.name; }
};

class ConfirmedMarks : public testing::TestWithParam<ConfirmationCase> {};

// A mark sets the clock only when the frame it begins carries the second after the waiting
// frame's: a frame that is wrong costs its own mark and the one before it, and no set is wrong.
TEST_P(ConfirmedMarks, SetNothingWrongAndEveryConfirmedMarkRight) {
  const ConfirmationCase& c = GetParam();
  SimulatedProgram sim;
  sim.Start("4,1,0,5\r\n", kGpsAtStart - 3 * kSecond);
  std::vector<std::string> frames;
  for (int second = 1; second <= 14; ++second) {
    frames.push_back(MakeFrame(kGpsAtStart + second * kSecond, 'A'));
  }
  c.spoil(frames);
  for (int second = 1; second <= 14; ++second) {
    ScheduleFrame(sim.platform, frames[second - 1], second * kSecond);
  }
  if (c.strayBeforeFifth > 0) {
    sim.platform.time.Schedule(5 * kSecond - c.strayBeforeFifth,
                               [&sim] { sim.platform.serial.Receive("\x01"); });
  }
  sim.platform.time.AdvanceTo(15 * kSecond);

  const auto& sets = sim.platform.clock.Sets();
  EXPECT_EQ(static_cast<int>(sets.size()), 13 - c.lostMarks);
  for (const auto& set : sets) {
    EXPECT_EQ(set.before + set.moved, kGpsAtStart + set.at + kMillisecond)
        << "set at " << set.at / kMillisecond << " ms";
  }
}

void NoFault(std::vector<std::string>&) {}
// One flipped bit: second 11 reads as 19.
void FlipABitOfSecondEleven(std::vector<std::string>& frames) {
  frames[10][frame::kSecondPosition + 1] ^= 0x08;
}
void GlitchOneFrameBySevenSeconds(std::vector<std::string>& frames) {
  frames[4] = MakeFrame(kGpsAtStart + 12 * kSecond, 'A');
}
void RepeatOneTimeForFourFrames(std::vector<std::string>& frames) {
  for (int index = 4; index <= 7; ++index) frames[index] = frames[3];
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ConfirmedMarks,
    testing::Values(ConfirmationCase{"CleanLine", NoFault, 0, 0},
                    ConfirmationCase{"FlippedDigit", FlipABitOfSecondEleven, 0, 2},
                    ConfirmationCase{"OneFrameGlitch", GlitchOneFrameBySevenSeconds, 0, 2},
                    ConfirmationCase{"StuckTime", RepeatOneTimeForFourFrames, 0, 5},
                    ConfirmationCase{"StrayStartByteBeforeTheSecond", NoFault, 40 * kMillisecond,
                                     0}),
    [](const testing::TestParamInfo<ConfirmationCase>& info) { return info.param.name; });

// Each fresh locked mark gives one sample, after its set and stamped before it; an unlocked or
// stale mark gives none, and a time server that refuses is told once.
TEST(TimeServerSamples, OneForEachFreshLockedMarkAndARefusalToldOnce) {
  SimulatedProgram sim;
  sim.Start("4,1,0,5\r\n", kGpsAtStart + 2 * kSecond);
  SimulatedDevice device(sim.platform, kGpsAtStart);
  device.Run(4, 'A');  // marks at 2, 3 and 4 s
  device.Run(2, 'V');  // the mark at 5 s is locked, at 6 s not
  device.Skip(2);      // the mark of the frame at 6 s never comes
  device.Run(2, 'A');  // the frame at 9 s marks 10 s

  const auto& samples = sim.platform.samples.Samples();
  const auto& sets = sim.platform.clock.Sets();
  ASSERT_EQ(samples.size(), 5u);
  for (const auto& sample : samples) {
    const auto set = std::find_if(sets.begin(), sets.end(), [&](const auto& each) {
      return each.asOf == sample.arrival.monotonicNs;
    });
    ASSERT_NE(set, sets.end());
    EXPECT_EQ(CivilNanoseconds(sample.markTime), kGpsAtStart + *set->asOf);
    EXPECT_EQ(sample.lineDelayNs, 10 * kSecond / 9600);
    // Stamped at the start byte, before the set at the mark's confirmation.
    EXPECT_EQ(sample.arrival.realtimeNs, set->before - (set->at - *set->asOf));
  }

  sim.platform.samples.SetAnswer(SampleResult::kRefused);
  device.Run(3);
  sim.platform.samples.SetAnswer(SampleResult::kNoServer);
  device.Run(1);
  const auto& lines = sim.program.window.text1.Lines();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), std::string(kSampleRefusedText)), 1);
}

}  // namespace
}  // namespace gpsclock
