// Local-time conversions in a zone without daylight saving and in one with it. The zones are
// POSIX TZ rules, so the tests need no time-zone database.
#include "platform/posix/local_time_conversion.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <ostream>
#include <string>

namespace gpsclock {

// Failures show the record as a date and time.
void PrintTo(const LocalTimeRecord& r, std::ostream* os) {
  *os << r.Year << "-" << r.Month << "-" << r.Day << " " << r.Hour << ":" << r.Minute << ":"
      << r.Second << "." << r.Milliseconds << " day " << r.DayOfWeek;
}

namespace {

constexpr const char* kUtc = "UTC0";
// Central European time: daylight saving from the last Sunday of March, 02:00, to the last
// Sunday of October, 03:00.
constexpr const char* kCentralEurope = "CET-1CEST,M3.5.0,M10.5.0/3";

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
                       int milliseconds, int dayOfWeek = 0) {
  return {static_cast<std::uint16_t>(year),      static_cast<std::uint16_t>(month),
          static_cast<std::uint16_t>(dayOfWeek), static_cast<std::uint16_t>(day),
          static_cast<std::uint16_t>(hour),      static_cast<std::uint16_t>(minute),
          static_cast<std::uint16_t>(second),    static_cast<std::uint16_t>(milliseconds)};
}

struct Instant {
  const char* zone;
  timespec time;
  LocalTimeRecord local;  // with its day of week
};

const Instant kInstants[] = {
    {kUtc, {0, 0}, Record(1970, 1, 1, 0, 0, 0, 0, 4)},
    {kUtc, {1'700'000'000, 123'456'789}, Record(2023, 11, 14, 22, 13, 20, 123, 2)},
    {kUtc, {1'709'164'800, 999'999'999}, Record(2024, 2, 29, 0, 0, 0, 999, 4)},
    {kCentralEurope, {1'705'312'800, 1'000'000}, Record(2024, 1, 15, 11, 0, 0, 1, 1)},
    {kCentralEurope, {1'719'828'000, 500'000'000}, Record(2024, 7, 1, 12, 0, 0, 500, 1)},
    // The last moment before the clocks go forward, and the first after.
    {kCentralEurope, {1'711'846'799, 999'000'000}, Record(2024, 3, 31, 1, 59, 59, 999, 0)},
    {kCentralEurope, {1'711'846'800, 0}, Record(2024, 3, 31, 3, 0, 0, 0, 0)},
    // Either side of the repeated hour when they go back.
    {kCentralEurope, {1'729'987'199, 0}, Record(2024, 10, 27, 1, 59, 59, 0, 0)},
    {kCentralEurope, {1'729'994'400, 0}, Record(2024, 10, 27, 3, 0, 0, 0, 0)},
};

TEST(LocalTimeConversionTest, ReadsTheInstantAsLocalTimeWithMillisecondsAndDayOfWeek) {
  for (const Instant& instant : kInstants) {
    ScopedTimeZone zone(instant.zone);
    SCOPED_TRACE(testing::Message() << instant.zone << " " << instant.time.tv_sec);
    EXPECT_EQ(LocalTimeFromTimespec(instant.time), instant.local);
  }
}

TEST(LocalTimeConversionTest, TurnsLocalTimeBackIntoTheInstantWholeMilliseconds) {
  for (const Instant& instant : kInstants) {
    ScopedTimeZone zone(instant.zone);
    SCOPED_TRACE(testing::Message() << instant.zone << " " << instant.time.tv_sec);
    const auto time = TimespecFromLocalTime(instant.local);
    ASSERT_TRUE(time.has_value());
    EXPECT_EQ(time->tv_sec, instant.time.tv_sec);
    EXPECT_EQ(time->tv_nsec, instant.time.tv_nsec / 1'000'000 * 1'000'000);
  }
}

TEST(LocalTimeConversionTest, IgnoresTheDayOfWeekWhenSetting) {
  ScopedTimeZone zone(kUtc);
  const auto time = TimespecFromLocalTime(Record(2023, 11, 14, 22, 13, 20, 123, 6));
  ASSERT_TRUE(time.has_value());
  EXPECT_EQ(time->tv_sec, 1'700'000'000);
}

TEST(LocalTimeConversionTest, SameLocalTimeIsAnHourApartInWinterAndSummer) {
  ScopedTimeZone zone(kCentralEurope);
  const auto winter = TimespecFromLocalTime(Record(2024, 1, 1, 12, 0, 0, 0));
  const auto summer = TimespecFromLocalTime(Record(2024, 7, 1, 12, 0, 0, 0));
  ASSERT_TRUE(winter && summer);
  EXPECT_EQ(winter->tv_sec % 86'400, 11 * 3600);
  EXPECT_EQ(summer->tv_sec % 86'400, 10 * 3600);
}

TEST(LocalTimeConversionTest, RoundTripsEveryFewHoursThroughAYearWithDaylightSaving) {
  ScopedTimeZone zone(kCentralEurope);
  constexpr time_t kStart = 1'704'067'200;  // 2024-01-01 00:00 UTC
  constexpr time_t kStep = 5 * 3600 + 17 * 60 + 3;
  for (time_t seconds = kStart; seconds < kStart + 366 * 86'400; seconds += kStep) {
    const timespec time{seconds, 250'000'000};
    const auto local = LocalTimeFromTimespec(time);
    ASSERT_TRUE(local.has_value());
    // The hour repeated in October names two instants; the zone may pick either.
    if (local->Month == 10 && local->Day == 27 && local->Hour == 2) continue;
    const auto back = TimespecFromLocalTime(*local);
    ASSERT_TRUE(back.has_value()) << seconds;
    EXPECT_EQ(back->tv_sec, time.tv_sec);
    EXPECT_EQ(back->tv_nsec, time.tv_nsec);
  }
}

TEST(LocalTimeConversionTest, RejectsImpossibleDatesAndTimes) {
  ScopedTimeZone zone(kUtc);
  const LocalTimeRecord cases[] = {
      Record(2024, 0, 1, 0, 0, 0, 0),    Record(2024, 13, 1, 0, 0, 0, 0),
      Record(2024, 1, 0, 0, 0, 0, 0),    Record(2024, 1, 32, 0, 0, 0, 0),
      Record(2024, 2, 30, 0, 0, 0, 0),   Record(2023, 2, 29, 0, 0, 0, 0),
      Record(2024, 4, 31, 0, 0, 0, 0),   Record(2024, 1, 1, 24, 0, 0, 0),
      Record(2024, 1, 1, 0, 60, 0, 0),   Record(2024, 1, 1, 0, 0, 60, 0),
      Record(2024, 1, 1, 0, 0, 0, 1000),
  };
  for (const LocalTimeRecord& record : cases) {
    SCOPED_TRACE(testing::PrintToString(record));
    EXPECT_EQ(TimespecFromLocalTime(record), std::nullopt);
  }
}

}  // namespace
}  // namespace gpsclock
