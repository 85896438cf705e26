// Civil time as records, and the impossible records.
#include "platform/civil_time.h"

#include <gtest/gtest.h>

#include <ostream>

namespace gpsclock {

// Failures show the record as a date and time.
void PrintTo(const LocalTimeRecord& r, std::ostream* os) {
  *os << r.Year << "-" << r.Month << "-" << r.Day << " " << r.Hour << ":" << r.Minute << ":"
      << r.Second << "." << r.Milliseconds << " day " << r.DayOfWeek;
}

namespace {

constexpr Nanoseconds kMillisecond = kNanosecondsPerMillisecond;
constexpr Nanoseconds kSecond = kNanosecondsPerSecond;

LocalTimeRecord Record(int year, int month, int day, int hour, int minute, int second,
                       int milliseconds, int dayOfWeek = 0) {
  return {static_cast<std::uint16_t>(year),      static_cast<std::uint16_t>(month),
          static_cast<std::uint16_t>(dayOfWeek), static_cast<std::uint16_t>(day),
          static_cast<std::uint16_t>(hour),      static_cast<std::uint16_t>(minute),
          static_cast<std::uint16_t>(second),    static_cast<std::uint16_t>(milliseconds)};
}

TEST(CivilTimeTest, RecordsCutToTheMillisecondWithTheDayOfWeek) {
  const struct {
    Nanoseconds civil;
    LocalTimeRecord record;
  } cases[] = {
      {0, Record(1970, 1, 1, 0, 0, 0, 0, 4)},
      {-1, Record(1969, 12, 31, 23, 59, 59, 999, 3)},
      {1'700'000'000 * kSecond + 123'456'789, Record(2023, 11, 14, 22, 13, 20, 123, 2)},
      {1'709'164'800 * kSecond + 999'999'999, Record(2024, 2, 29, 0, 0, 0, 999, 4)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CivilRecord(c.civil), c.record) << c.civil;
    EXPECT_EQ(CivilNanoseconds(c.record),
              c.civil - (c.civil % kMillisecond + kMillisecond) % kMillisecond);
  }
}

TEST(CivilTimeTest, TellsImpossibleDatesAndTimes) {
  EXPECT_TRUE(IsCivilTime(Record(2024, 2, 29, 23, 59, 59, 999)));
  const LocalTimeRecord impossible[] = {
      Record(2024, 0, 1, 0, 0, 0, 0),    Record(2024, 13, 1, 0, 0, 0, 0),
      Record(2024, 1, 0, 0, 0, 0, 0),    Record(2024, 1, 32, 0, 0, 0, 0),
      Record(2024, 2, 30, 0, 0, 0, 0),   Record(2023, 2, 29, 0, 0, 0, 0),
      Record(2024, 4, 31, 0, 0, 0, 0),   Record(2024, 1, 1, 24, 0, 0, 0),
      Record(2024, 1, 1, 0, 60, 0, 0),   Record(2024, 1, 1, 0, 0, 60, 0),
      Record(2024, 1, 1, 0, 0, 0, 1000), Record(65535, 1, 1, 0, 0, 0, 0),
  };
  for (const LocalTimeRecord& record : impossible) {
    EXPECT_FALSE(IsCivilTime(record)) << testing::PrintToString(record);
  }
}

}  // namespace
}  // namespace gpsclock
