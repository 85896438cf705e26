// Whole days of the user's PC clock, fed frame by frame through the receiver: catching up,
// falling back, being held to the GPS time, and never being touched outside the window or
// across a date.
#include <gtest/gtest.h>

#include "support/simulated_platform.h"

namespace gpsclock {
namespace {

constexpr Nanoseconds kSecond = VirtualTime::kSecond;
constexpr Nanoseconds kMillisecond = VirtualTime::kMillisecond;
constexpr Nanoseconds kMinute = 60 * kSecond;
constexpr Nanoseconds kHour = 60 * kMinute;
constexpr const char* kAt9600 = "4,1,0,5\r\n";

TEST(ClockDiscipline, PcFiveMinutesBehindCatchesUpOneSecondPerSecondAndIsThenHeld) {
  SimulatedProgram sim;
  const Nanoseconds gpsAtStart = CivilNanoseconds(2024, 5, 6, 12, 20, 0);
  sim.Start(kAt9600, gpsAtStart - 5 * kMinute);
  SimulatedDevice device(sim.platform, gpsAtStart);
  device.Run(400);

  const auto& sets = sim.platform.clock.Sets();
  ASSERT_EQ(sets.size(), 399u);  // one per mark, from the second frame on
  for (int mark = 0; mark < static_cast<int>(sets.size()); ++mark) {
    const auto& set = sets[mark];
    const Nanoseconds gpsAtMark = gpsAtStart + set.at;
    if (mark < 290) {
      ASSERT_EQ(gpsAtMark - set.before, (300 - mark) * kSecond) << "mark " << mark;
      ASSERT_EQ(set.record, CivilRecord(set.before + kSecond)) << "mark " << mark;
    } else {
      if (mark > 290) {
        ASSERT_EQ(set.before, gpsAtMark + kMillisecond) << "mark " << mark;
      }
      ASSERT_EQ(set.record, CivilRecord(gpsAtMark + kMillisecond)) << "mark " << mark;
    }
  }
}

TEST(ClockDiscipline, PcFiveMinutesAheadFallsBackOneSecondPerTwoSecondsAndIsThenHeld) {
  SimulatedProgram sim;
  const Nanoseconds gpsAtStart = CivilNanoseconds(2024, 5, 6, 12, 20, 0);
  sim.Start(kAt9600, gpsAtStart + 5 * kMinute);
  SimulatedDevice device(sim.platform, gpsAtStart);
  device.Run(700);

  const auto& sets = sim.platform.clock.Sets();
  ASSERT_EQ(sets.size(), 699u);
  for (int mark = 0; mark < static_cast<int>(sets.size()); ++mark) {
    const auto& set = sets[mark];
    const Nanoseconds gpsAtMark = gpsAtStart + set.at;
    if (mark < 581) {
      // The first step at the third mark, then one at every second mark.
      const int stepsSoFar = mark == 0 ? 0 : (mark - 1) / 2;
      const bool steps = mark >= 2 && mark % 2 == 0;
      ASSERT_EQ(set.before - gpsAtMark, (300 - stepsSoFar) * kSecond) << "mark " << mark;
      ASSERT_EQ(set.record, CivilRecord(set.before - (steps ? kSecond : 0))) << "mark " << mark;
    } else {
      if (mark > 581) {
        ASSERT_EQ(set.before, gpsAtMark + kMillisecond) << "mark " << mark;
      }
      ASSERT_EQ(set.record, CivilRecord(gpsAtMark + kMillisecond)) << "mark " << mark;
    }
  }
}

bool SameDate(const LocalTimeRecord& a, const LocalTimeRecord& b) {
  return a.Year == b.Year && a.Month == b.Month && a.Day == b.Day;
}

struct DayCase {
  const char* name;
  Nanoseconds gpsAtStart;
  Nanoseconds pcAhead;  // negative: behind
  int frames;

  friend void PrintTo(const DayCase& c, std::ostream* out) { *out << c.name; }
};

class ADayOfFrames : public testing::TestWithParam<DayCase> {};

TEST_P(ADayOfFrames, ChangeTheClockOnlyInsideTheWindowOnTheSameDateAndEndHeld) {
  const DayCase& c = GetParam();
  SimulatedProgram sim;
  sim.Start(kAt9600, c.gpsAtStart + c.pcAhead);
  SimulatedDevice device(sim.platform, c.gpsAtStart);
  device.Run(c.frames);

  const auto& sets = sim.platform.clock.Sets();
  int changes = 0;
  for (const auto& set : sets) {
    const LocalTimeRecord reading = CivilRecord(set.before);
    if (set.record == reading) continue;  // written back unchanged
    ++changes;
    ASSERT_GE(reading.Minute, 10) << "set at " << set.at / kSecond << " s";
    ASSERT_LE(reading.Minute, 50) << "set at " << set.at / kSecond << " s";
    ASSERT_TRUE(SameDate(set.record, reading)) << "set at " << set.at / kSecond << " s";
    ASSERT_TRUE(SameDate(reading, CivilRecord(c.gpsAtStart + set.at)))
        << "set at " << set.at / kSecond << " s";
  }
  EXPECT_GT(changes, 1000);
  ASSERT_FALSE(sets.empty());
  const Nanoseconds gpsAtLastMark = c.gpsAtStart + sets.back().at;
  EXPECT_EQ(sets.back().before, gpsAtLastMark + kMillisecond);
  EXPECT_EQ(sets.back().record, CivilRecord(gpsAtLastMark + kMillisecond));
}

INSTANTIATE_TEST_SUITE_P(
    PcClockOff, ADayOfFrames,
    testing::Values(
        // Beyond 16 bits of seconds at first, and a day behind around GPS midnight.
        DayCase{"TenHoursBehindFromNoon", CivilNanoseconds(2024, 5, 6, 12, 0, 0), -10 * kHour,
                86'400},
        // A day ahead for a while before GPS midnight; half a day is enough to be held.
        DayCase{"TwoHoursAheadFromEightInTheEvening", CivilNanoseconds(2024, 5, 6, 20, 0, 0),
                2 * kHour, 43'200}),
    [](const testing::TestParamInfo<DayCase>& info) { return info.param.name; });

struct DriftCase {
  const char* name;
  double ratePpm;

  friend void PrintTo(const DriftCase& c, std::ostream* out) { *out << c.name; }
};

class DriftingPcClock : public testing::TestWithParam<DriftCase> {};

TEST_P(DriftingPcClock, IsHeldWithinWhatItDriftsInASecond) {
  const DriftCase& c = GetParam();
  SimulatedProgram sim;
  const Nanoseconds gpsAtStart = CivilNanoseconds(2024, 5, 6, 12, 15, 0);
  sim.Start(kAt9600, gpsAtStart - 3 * kSecond);
  sim.platform.clock.SetRatePpm(c.ratePpm);
  SimulatedDevice device(sim.platform, gpsAtStart);
  device.Run(30 * 60);  // up to 12:45, inside the window throughout

  const auto& sets = sim.platform.clock.Sets();
  ASSERT_EQ(sets.size(), 30u * 60 - 1);
  const Nanoseconds driftPerSecond = static_cast<Nanoseconds>(c.ratePpm * 1000);
  for (std::size_t mark = 0; mark < sets.size(); ++mark) {
    const Nanoseconds gpsAtMark = gpsAtStart + sets[mark].at;
    ASSERT_EQ(sets[mark].record, CivilRecord(gpsAtMark + kMillisecond)) << "mark " << mark;
    if (mark > 0) {
      EXPECT_NEAR(static_cast<double>(sets[mark].before - gpsAtMark - kMillisecond),
                  static_cast<double>(driftPerSecond), 1.0)
          << "mark " << mark;
    }
  }
}

// The time server gets each locked mark after its set, dated by the PC clock as it read when the
// start byte arrived, before that set moved it.
TEST(ClockDiscipline, EveryLockedMarkGoesToTheTimeServerWithItsStampFromBeforeTheSet) {
  SimulatedProgram sim;
  const Nanoseconds gpsAtStart = CivilNanoseconds(2024, 5, 6, 12, 20, 0);
  sim.Start(kAt9600, gpsAtStart - 3 * kSecond);
  SimulatedDevice device(sim.platform, gpsAtStart);
  device.Run(4, 'A');
  device.Run(3, 'V');

  const auto& sets = sim.platform.clock.Sets();
  const auto& samples = sim.platform.timeServer.Samples();
  ASSERT_EQ(samples.size(), 4u);  // the marks that follow the four locked frames
  for (std::size_t mark = 0; mark < samples.size(); ++mark) {
    const auto& sample = samples[mark];
    LocalTimeRecord expectedMark = CivilRecord(gpsAtStart + sets[mark].at);
    expectedMark.DayOfWeek = 0;
    EXPECT_EQ(sample.markTime, expectedMark) << "mark " << mark;
    EXPECT_EQ(sample.lineDelayNs, 1'041'666) << "mark " << mark;
    EXPECT_EQ(sample.arrival.realtimeNs, sets[mark].before) << "mark " << mark;
    EXPECT_EQ(sample.arrival.monotonicNs, sets[mark].at) << "mark " << mark;
    EXPECT_EQ(sample.arrival.bytesBehind, 0) << "mark " << mark;
  }
}

INSTANTIATE_TEST_SUITE_P(Rates, DriftingPcClock,
                         testing::Values(DriftCase{"FiveHundredPpmFast", 500},
                                         DriftCase{"FiveHundredPpmSlow", -500}),
                         [](const testing::TestParamInfo<DriftCase>& info) {
                           return info.param.name;
                         });

}  // namespace
}  // namespace gpsclock
