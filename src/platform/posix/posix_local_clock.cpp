// Exactly clock_gettime and clock_settime touch the clock, so nothing else can move it. A set
// reads the clock again and moves it from there, so the time since the reading is not lost.
// Local time comes through localtime_r; the way back never goes through mktime, which would have
// to guess the zone's offset in the hour that autumn repeats or that spring skips.
#include "platform/posix/posix_local_clock.h"

#include <cstdint>
#include <limits>

#include "platform/posix/local_zone.h"

namespace gpsclock {
namespace {

constexpr Nanoseconds kNanosecondsPerSecond = 1'000'000'000;
constexpr int kTmYearBase = 1900;

}  // namespace

std::optional<Nanoseconds> LocalCivilTime(const timespec& time) {
  // localtime_r alone may keep the zone it saw first; the user may change it while the program
  // runs.
  FollowLocalZone();
  tm local{};
  if (localtime_r(&time.tv_sec, &local) == nullptr) return {};
  const int year = local.tm_year + kTmYearBase;
  if (year < 0 || year > std::numeric_limits<std::uint16_t>::max()) return {};
  return CivilNanoseconds(year, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                          local.tm_sec) +
         time.tv_nsec;
}

timespec MovedBy(const timespec& time, Nanoseconds distance) {
  const Nanoseconds moved = time.tv_sec * kNanosecondsPerSecond + time.tv_nsec + distance;
  Nanoseconds seconds = moved / kNanosecondsPerSecond;
  Nanoseconds nanoseconds = moved % kNanosecondsPerSecond;
  if (nanoseconds < 0) {
    nanoseconds += kNanosecondsPerSecond;
    --seconds;
  }
  return timespec{static_cast<time_t>(seconds), static_cast<long>(nanoseconds)};
}

std::optional<LocalTimeRecord> PosixLocalClock::GetLocalTime() {
  timespec now{};
  if (clock_gettime(CLOCK_REALTIME, &now) != 0) return {};
  const auto local = LocalCivilTime(now);
  if (!local) return {};
  lastReading_ = local;
  return CivilRecord(*local);
}

bool PosixLocalClock::SetLocalTime(const LocalTimeRecord& record) {
  if (!IsCivilTime(record) || (!lastReading_ && !GetLocalTime())) return false;
  const Nanoseconds distance = SetDistance(*lastReading_, record);
  timespec now{};
  if (clock_gettime(CLOCK_REALTIME, &now) != 0) return false;
  const timespec target = MovedBy(now, distance);
  if (clock_settime(CLOCK_REALTIME, &target) != 0) return false;
  // A second set before the next reading is measured from where this one put the clock.
  *lastReading_ += distance;
  return true;
}

}  // namespace gpsclock
