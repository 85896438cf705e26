// Local time of the real clock in zones without and with daylight saving, after a change of zone,
// and where a set from a reading goes in the hours that a zone repeats or skips. New York and
// Berlin come from the time-zone database (tzdata); the others are POSIX TZ rules.
#include "platform/posix/posix_local_clock.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "temp_directory.h"

namespace gpsclock {
namespace {

constexpr const char* kUtc = "UTC0";
// Central European time: daylight saving from the last Sunday of March, 02:00, to the last
// Sunday of October, 03:00.
constexpr const char* kCentralEurope = "CET-1CEST,M3.5.0,M10.5.0/3";
constexpr const char* kNewYork = "America/New_York";
constexpr const char* kBerlin = "Europe/Berlin";

constexpr Nanoseconds kSecond = kNanosecondsPerSecond;

// Sets TZ for the test's lifetime and puts back what was there.
class ScopedTimeZone {
 public:
  explicit ScopedTimeZone(const char* zone) {
    if (const char* previous = std::getenv("TZ")) previous_ = previous;
    setenv("TZ", zone, 1);
    tzset();
  }
  ~ScopedTimeZone() {
    if (previous_) {
      setenv("TZ", previous_->c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }
  ScopedTimeZone(const ScopedTimeZone&) = delete;
  ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

 private:
  std::optional<std::string> previous_;
};

LocalTimeRecord Record(int year, int month, int day, int hour, int minute, int second,
                       int milliseconds) {
  return {static_cast<std::uint16_t>(year),
          static_cast<std::uint16_t>(month),
          0,
          static_cast<std::uint16_t>(day),
          static_cast<std::uint16_t>(hour),
          static_cast<std::uint16_t>(minute),
          static_cast<std::uint16_t>(second),
          static_cast<std::uint16_t>(milliseconds)};
}

struct Instant {
  const char* zone;
  timespec time;
  Nanoseconds local;
};

const Instant kInstants[] = {
    {kUtc, {0, 0}, CivilNanoseconds(1970, 1, 1, 0, 0, 0)},
    {kUtc, {1'700'000'000, 123'456'789}, CivilNanoseconds(2023, 11, 14, 22, 13, 20) + 123'456'789},
    {kUtc, {1'709'164'800, 999'999'999}, CivilNanoseconds(2024, 2, 29, 0, 0, 0) + 999'999'999},
    {kCentralEurope, {1'705'312'800, 1'000'000}, CivilNanoseconds(2024, 1, 15, 11, 0, 0, 1)},
    {kCentralEurope, {1'719'828'000, 500'000'000}, CivilNanoseconds(2024, 7, 1, 12, 0, 0, 500)},
    // The last moment before the clocks go forward, and the first after.
    {kCentralEurope, {1'711'846'799, 999'000'000}, CivilNanoseconds(2024, 3, 31, 1, 59, 59, 999)},
    {kCentralEurope, {1'711'846'800, 0}, CivilNanoseconds(2024, 3, 31, 3, 0, 0)},
    {kNewYork, {1'710'053'999, 0}, CivilNanoseconds(2024, 3, 10, 1, 59, 59)},
    {kNewYork, {1'710'054'000, 0}, CivilNanoseconds(2024, 3, 10, 3, 0, 0)},
    // Both times through the hour repeated when they go back: the same local time an hour apart.
    {kNewYork, {1'730'611'805, 0}, CivilNanoseconds(2024, 11, 3, 1, 30, 5)},
    {kNewYork, {1'730'615'405, 0}, CivilNanoseconds(2024, 11, 3, 1, 30, 5)},
    {kBerlin, {1'729'989'005, 0}, CivilNanoseconds(2024, 10, 27, 2, 30, 5)},
    {kBerlin, {1'729'992'605, 0}, CivilNanoseconds(2024, 10, 27, 2, 30, 5)},
};

TEST(LocalTimeConversionTest, ReadsTheInstantAsLocalCivilTimeToTheNanosecond) {
  for (const Instant& instant : kInstants) {
    ScopedTimeZone zone(instant.zone);
    SCOPED_TRACE(testing::Message() << instant.zone << " " << instant.time.tv_sec);
    EXPECT_EQ(LocalCivilTime(instant.time), instant.local);
  }
}

struct SetCase {
  const char* name;
  const char* zone;
  timespec now;  // the moment of the set, 250 microseconds after the reading or the arrival
  LocalTimeRecord record;
  // A set from this reading; nothing: a set as of an arrival 250 microseconds before `now`.
  std::optional<LocalTimeRecord> readAs;
  timespec expected;  // where the clock goes
};

// 2024-11-03 01:30:05.600 in New York, daylight saving time (05:30 UTC) and then standard
// time (06:30 UTC); 2024-10-27 02:30:05.600 in Berlin, CEST (00:30 UTC) and then CET (01:30 UTC).
constexpr time_t kNewYorkFirst = 1'730'611'805;
constexpr time_t kNewYorkSecond = 1'730'615'405;
constexpr time_t kBerlinFirst = 1'729'989'005;
constexpr time_t kBerlinSecond = 1'729'992'605;
constexpr Nanoseconds kSinceReading = 250 * kNanosecondsPerMicrosecond;

const SetCase kSets[] = {
    {"NewYorkFirstOccurrenceOutright",
     kNewYork,
     {kNewYorkFirst, 600'250'000},
     Record(2024, 11, 3, 1, 30, 7, 1),
     std::nullopt,
     {kNewYorkFirst + 2, 1'250'000}},
    {"NewYorkSecondOccurrenceOutright",
     kNewYork,
     {kNewYorkSecond, 600'250'000},
     Record(2024, 11, 3, 1, 30, 7, 1),
     std::nullopt,
     {kNewYorkSecond + 2, 1'250'000}},
    {"BerlinFirstOccurrenceOutright",
     kBerlin,
     {kBerlinFirst, 600'250'000},
     Record(2024, 10, 27, 2, 30, 7, 1),
     std::nullopt,
     {kBerlinFirst + 2, 1'250'000}},
    {"BerlinSecondOccurrenceStepBack",
     kBerlin,
     {kBerlinSecond, 600'250'000},
     Record(2024, 10, 27, 2, 30, 4, 600),
     Record(2024, 10, 27, 2, 30, 5, 600),
     {kBerlinSecond - 1, 600'250'000}},
    // An outright set back over a second boundary.
    {"BerlinSecondOccurrenceOutrightBack",
     kBerlin,
     {kBerlinSecond, 100'373'456},
     Record(2024, 10, 27, 2, 30, 3, 900),
     std::nullopt,
     {kBerlinSecond - 2, 900'250'000}},
    // The same fields unchanged move the clock by nothing, below the millisecond included.
    {"NewYorkSecondOccurrenceWrittenBack",
     kNewYork,
     {kNewYorkSecond, 600'373'456},
     Record(2024, 11, 3, 1, 30, 5, 600),
     Record(2024, 11, 3, 1, 30, 5, 600),
     {kNewYorkSecond, 600'373'456}},
    // A step from 01:59:59 EDT to "02:00:00" is one second, to 01:00:00 EST.
    {"NewYorkStepIntoTheRepeatedHour",
     kNewYork,
     {1'730'613'599, 250'250'000},
     Record(2024, 11, 3, 2, 0, 0, 250),
     Record(2024, 11, 3, 1, 59, 59, 250),
     {1'730'613'600, 250'250'000}},
    // A step from 01:59:59 EST to "02:00:00", a time the zone skips, is one second: 03:00 EDT.
    {"NewYorkStepIntoTheSkippedHour",
     kNewYork,
     {1'710'053'999, 250'250'000},
     Record(2024, 3, 10, 2, 0, 0, 250),
     Record(2024, 3, 10, 1, 59, 59, 250),
     {1'710'054'000, 250'250'000}},
};

TEST(LocalTimeConversionTest, ASetMovesTheClockByTheFieldsOrToTheArrivalNeverAnHour) {
  for (const SetCase& c : kSets) {
    ScopedTimeZone zone(c.zone);
    SCOPED_TRACE(c.name);
    const auto zoneOffset = ZoneOffsetAt(c.now);
    ASSERT_TRUE(zoneOffset.has_value());
    const timespec target =
        c.readAs ? MovedBy(c.now, CivilNanoseconds(c.record) - CivilNanoseconds(*c.readAs))
                 : InstantOf(CivilNanoseconds(c.record) + kSinceReading, *zoneOffset);
    EXPECT_EQ(target.tv_sec, c.expected.tv_sec);
    EXPECT_EQ(target.tv_nsec, c.expected.tv_nsec);
  }
}

TEST(LocalTimeConversionTest, SameLocalTimeIsAnHourApartInWinterAndSummer) {
  ScopedTimeZone zone(kCentralEurope);
  const auto winter = LocalCivilTime({1'704'106'800, 0});  // 2024-01-01 11:00 UTC
  const auto summer = LocalCivilTime({1'719'831'600, 0});  // 2024-07-01 11:00 UTC
  ASSERT_TRUE(winter && summer);
  EXPECT_EQ(*winter % (86'400 * kSecond), 12 * 3600 * kSecond);
  EXPECT_EQ(*summer % (86'400 * kSecond), 13 * 3600 * kSecond);
}

// The zone is changed as timedatectl does, by linking the file to another zone.
TEST(LocalTimeConversionTest, FollowsAChangeOfTheZoneFileThatTzNames) {
  TempDirectory directory;
  const std::string link = directory.Path() + "/localtime";
  ASSERT_EQ(symlink("/usr/share/zoneinfo/Europe/Berlin", link.c_str()), 0);
  ScopedTimeZone zone((":" + link).c_str());
  const timespec noonUtc{1'719'835'200, 0};  // 2024-07-01 12:00 UTC
  EXPECT_EQ(LocalCivilTime(noonUtc), CivilNanoseconds(2024, 7, 1, 14, 0, 0));
  ASSERT_EQ(unlink(link.c_str()), 0);
  ASSERT_EQ(symlink("/usr/share/zoneinfo/Asia/Tokyo", link.c_str()), 0);
  EXPECT_EQ(LocalCivilTime(noonUtc), CivilNanoseconds(2024, 7, 1, 21, 0, 0));
}

}  // namespace
}  // namespace gpsclock
