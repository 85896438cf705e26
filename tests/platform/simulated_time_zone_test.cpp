// The simulated clock's zones: offsets either side of each change, and local times turned back
// into instants in the hours a zone repeats or skips.
#include "platform/simulated/simulated_time_zone.h"

#include <gtest/gtest.h>

namespace gpsclock {
namespace {

constexpr Nanoseconds kMinute = 60'000'000'000;
constexpr Nanoseconds kHour = 60 * kMinute;

Nanoseconds Civil(int year, int month, int day, int hour, int minute) {
  return CivilNanoseconds(year, month, day, hour, minute, 0);
}

TEST(SimulatedTimeZoneTest, NewYorkIsAnHourAheadFromMarchToNovember) {
  const SimulatedTimeZone zone = SimulatedTimeZone::NewYork();
  const struct {
    Nanoseconds utc;
    Nanoseconds offset;
  } cases[] = {
      {Civil(2024, 1, 15, 12, 0), -5 * kHour},
      {Civil(2024, 3, 10, 7, 0) - 1, -5 * kHour},  // 01:59:59.999999999 EST
      {Civil(2024, 3, 10, 7, 0), -4 * kHour},      // 03:00 EDT
      {Civil(2024, 7, 1, 12, 0), -4 * kHour},
      {Civil(2024, 11, 3, 6, 0) - 1, -4 * kHour},  // 01:59:59.999999999 EDT
      {Civil(2024, 11, 3, 6, 0), -5 * kHour},      // 01:00 EST
      {Civil(2025, 3, 9, 7, 0), -4 * kHour},       // the second Sunday of March 2025
      {Civil(2025, 3, 9, 7, 0) - 1, -5 * kHour},
  };
  for (const auto& c : cases) EXPECT_EQ(zone.OffsetAt(c.utc), c.offset) << c.utc;
}

TEST(SimulatedTimeZoneTest, LocalTimeNamesTheFirstOfARepeatedHourAndLandsAfterASkippedOne) {
  const SimulatedTimeZone zone = SimulatedTimeZone::NewYork();
  EXPECT_EQ(zone.UtcFromLocal(Civil(2024, 1, 15, 7, 0)), Civil(2024, 1, 15, 12, 0));
  EXPECT_EQ(zone.UtcFromLocal(Civil(2024, 11, 3, 1, 30)), Civil(2024, 11, 3, 5, 30));
  EXPECT_EQ(zone.LocalFromUtc(Civil(2024, 11, 3, 6, 30)), Civil(2024, 11, 3, 1, 30));
  EXPECT_EQ(zone.UtcFromLocal(Civil(2024, 3, 10, 2, 30)), Civil(2024, 3, 10, 7, 30));
  EXPECT_EQ(zone.UtcFromLocal(Civil(2024, 3, 10, 3, 30)), Civil(2024, 3, 10, 7, 30));
}

TEST(SimulatedTimeZoneTest, AFixedOffsetHoldsAllYear) {
  const SimulatedTimeZone india = SimulatedTimeZone::FixedOffset(5 * 60 + 30);
  for (const Nanoseconds utc : {Civil(2024, 1, 1, 0, 0), Civil(2024, 7, 1, 0, 0)}) {
    EXPECT_EQ(india.OffsetAt(utc), 5 * kHour + 30 * kMinute);
    EXPECT_EQ(india.UtcFromLocal(india.LocalFromUtc(utc)), utc);
  }
  EXPECT_EQ(SimulatedTimeZone::Utc().LocalFromUtc(Civil(2024, 11, 3, 1, 30)),
            Civil(2024, 11, 3, 1, 30));
}

}  // namespace
}  // namespace gpsclock
