// Whole days of the user's PC clock, fed frame by frame through the receiver: catching up,
// falling back, being held to the GPS time, and never being touched outside the window or
// across a date, nor moved by an hour when the time zone changes.
#include <gtest/gtest.h>

#include <cstdlib>

#include "support/simulated_platform.h"

namespace gpsclock {
namespace {

constexpr Nanoseconds kSecond = kNanosecondsPerSecond;
constexpr Nanoseconds kMillisecond = kNanosecondsPerMillisecond;
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
    const Nanoseconds gpsAtSet = gpsAtStart + set.at;
    if (mark < 290) {
      ASSERT_EQ(gpsAtSet - set.before, (300 - mark) * kSecond) << "mark " << mark;
      ASSERT_EQ(set.moved, kSecond) << "mark " << mark;
    } else {
      if (mark > 290) {
        ASSERT_EQ(set.before, gpsAtSet + kMillisecond) << "mark " << mark;
      }
      ASSERT_EQ(set.before + set.moved, gpsAtSet + kMillisecond) << "mark " << mark;
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
    const Nanoseconds gpsAtSet = gpsAtStart + set.at;
    if (mark < 581) {
      // The first step at the third mark, then one at every second mark.
      const int stepsSoFar = mark == 0 ? 0 : (mark - 1) / 2;
      const bool steps = mark >= 2 && mark % 2 == 0;
      ASSERT_EQ(set.before - gpsAtSet, (300 - stepsSoFar) * kSecond) << "mark " << mark;
      ASSERT_EQ(set.moved, steps ? -kSecond : 0) << "mark " << mark;
    } else {
      if (mark > 581) {
        ASSERT_EQ(set.before, gpsAtSet + kMillisecond) << "mark " << mark;
      }
      ASSERT_EQ(set.before + set.moved, gpsAtSet + kMillisecond) << "mark " << mark;
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
    if (set.moved == 0) continue;  // written back unchanged
    ++changes;
    ASSERT_GE(reading.Minute, 10) << "set at " << set.at / kSecond << " s";
    ASSERT_LE(reading.Minute, 50) << "set at " << set.at / kSecond << " s";
    ASSERT_TRUE(SameDate(set.record, reading)) << "set at " << set.at / kSecond << " s";
    ASSERT_TRUE(SameDate(reading, CivilRecord(c.gpsAtStart + set.at)))
        << "set at " << set.at / kSecond << " s";
  }
  EXPECT_GT(changes, 1000);
  ASSERT_FALSE(sets.empty());
  const Nanoseconds gpsAtLastSet = c.gpsAtStart + sets.back().at;
  EXPECT_EQ(sets.back().before, gpsAtLastSet + kMillisecond);
  EXPECT_EQ(sets.back().before + sets.back().moved, gpsAtLastSet + kMillisecond);
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

struct ZoneChangeDay {
  const char* name;
  Nanoseconds utcAtMidnight;  // the instant of 00:00 local time that day

  friend void PrintTo(const ZoneChangeDay& c, std::ostream* out) { *out << c.name; }
};

class ADayInNewYork : public testing::TestWithParam<ZoneChangeDay> {};

// The device and the PC both show New York's local time, the PC two minutes behind at midnight.
// The PC's instant is followed through what each set moved it by.
TEST_P(ADayInNewYork, NoSetMovesTheClockByAnHourAndEveryMarkInTheWindowHoldsItToTheMark) {
  const SimulatedTimeZone zone = SimulatedTimeZone::NewYork();
  const Nanoseconds gpsAtStart = GetParam().utcAtMidnight;
  const Nanoseconds pcAtStart = gpsAtStart - 2 * kMinute;
  SimulatedProgram sim;
  SimulatedClock& clock = sim.platform.clock;
  clock.SetZone(zone);
  sim.Start(kAt9600, zone.LocalFromUtc(pcAtStart));
  constexpr int kSecondsInADay = 86'400;
  for (int second = 1; second <= kSecondsInADay; ++second) {
    const Nanoseconds gpsLocal = zone.LocalFromUtc(gpsAtStart + second * kSecond);
    ScheduleFrame(sim.platform, MakeFrame(gpsLocal, 'A'), second * kSecond);
    sim.platform.time.AdvanceTo((second + 1) * kSecond - 1);
  }

  Nanoseconds movedSoFar = 0;
  int heldByHour[24] = {};
  for (const auto& set : clock.Sets()) {
    ASSERT_LE(std::llabs(set.moved), 10 * kSecond + kMillisecond) << "set at " << set.at / kSecond;
    movedSoFar += set.moved;
    const Nanoseconds pcAfter = pcAtStart + set.at + movedSoFar;
    const int minute = CivilRecord(set.before).Minute;
    if (minute >= 10 && minute <= 50 && pcAfter == gpsAtStart + set.at + kMillisecond) {
      ++heldByHour[set.at / kHour];
    }
  }
  // Each hour of the day after the first, the one the zone repeats or the one after its skip
  // included, has its 41 minutes of the window.
  for (int hour = 1; hour < 24; ++hour) EXPECT_EQ(heldByHour[hour], 41 * 60) << "hour " << hour;
  EXPECT_EQ(clock.UtcTime(), pcAtStart + sim.platform.time.Now() + movedSoFar);
}

INSTANTIATE_TEST_SUITE_P(
    ChangesOfTheYear, ADayInNewYork,
    testing::Values(
        // 02:00 EST becomes 03:00 EDT.
        ZoneChangeDay{"DaylightSavingStarts", CivilNanoseconds(2024, 3, 10, 5, 0, 0)},
        // 02:00 EDT becomes 01:00 EST: 01:00 to 02:00 comes twice.
        ZoneChangeDay{"DaylightSavingEnds", CivilNanoseconds(2024, 11, 3, 4, 0, 0)}),
    [](const testing::TestParamInfo<ZoneChangeDay>& info) { return info.param.name; });

struct DriftCase {
  const char* name;
  double ratePpm;

  friend void PrintTo(const DriftCase& c, std::ostream* out) { *out << c.name; }
};

class DriftingPcClock : public testing::TestWithParam<DriftCase> {};

// Every mark sets the clock exactly, so between two marks it is off by no more than it drifts.
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
    const Nanoseconds gpsAtSet = gpsAtStart + sets[mark].at;
    ASSERT_EQ(sets[mark].before + sets[mark].moved, gpsAtSet + kMillisecond) << "mark " << mark;
    if (mark > 0) {
      const Nanoseconds offBy = sets[mark].before - gpsAtSet - kMillisecond;
      EXPECT_NEAR(offBy, driftPerSecond, 1) << "mark " << mark;
    }
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
