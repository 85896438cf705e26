// Exactly clock_gettime and clock_settime touch the clock, so nothing else can move it. Every set
// reads the clock right before it and moves it from there, so no time passes unaccounted for.
// Local time comes through localtime_r; the way back never goes through mktime, which would have
// to guess the zone's offset in the hour that autumn repeats or that spring skips.
#include "platform/posix/posix_local_clock.h"

#include <cstdint>
#include <limits>

#include "platform/posix/local_zone.h"

namespace gpsclock {
namespace {

constexpr int kTmYearBase = 1900;

Nanoseconds AsNanoseconds(const timespec& time) {
  return time.tv_sec * kNanosecondsPerSecond + time.tv_nsec;
}

bool SetRealtime(const timespec& target) {
  return clock_settime(CLOCK_REALTIME, &target) == 0;
}

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
  const Nanoseconds moved = AsNanoseconds(time) + distance;
  Nanoseconds seconds = moved / kNanosecondsPerSecond;
  Nanoseconds nanoseconds = moved % kNanosecondsPerSecond;
  if (nanoseconds < 0) {
    nanoseconds += kNanosecondsPerSecond;
    --seconds;
  }
  return timespec{static_cast<time_t>(seconds), static_cast<long>(nanoseconds)};
}

std::optional<Nanoseconds> ZoneOffsetAt(const timespec& time) {
  const auto local = LocalCivilTime(time);
  if (!local) return {};
  return *local - AsNanoseconds(time);
}

timespec InstantOf(Nanoseconds civil, Nanoseconds zoneOffset) {
  return MovedBy({}, civil - zoneOffset);
}

std::optional<LocalTimeRecord> PosixLocalClock::GetLocalTime() {
  timespec now{};
  if (clock_gettime(CLOCK_REALTIME, &now) != 0) return {};
  const auto local = LocalCivilTime(now);
  if (!local) return {};
  return CivilRecord(*local);
}

bool PosixLocalClock::SetLocalTime(const LocalTimeRecord& record, const LocalTimeRecord& readAs) {
  if (!IsCivilTime(record) || !IsCivilTime(readAs)) return false;
  timespec now{};
  if (clock_gettime(CLOCK_REALTIME, &now) != 0) return false;
  return SetRealtime(MovedBy(now, CivilNanoseconds(record) - CivilNanoseconds(readAs)));
}

// The zone is looked up first, so that nothing but the reading of CLOCK_MONOTONIC, which no set
// moves, lies between the time since the moment and the set.
bool PosixLocalClock::SetLocalTimeAsOf(const LocalTimeRecord& record,
                                       std::int64_t asOfMonotonicNs) {
  if (!IsCivilTime(record)) return false;
  timespec now{};
  if (clock_gettime(CLOCK_REALTIME, &now) != 0) return false;
  const auto zoneOffset = ZoneOffsetAt(now);
  timespec monotonic{};
  if (!zoneOffset || clock_gettime(CLOCK_MONOTONIC, &monotonic) != 0) return false;
  const Nanoseconds since = AsNanoseconds(monotonic) - asOfMonotonicNs;
  return SetRealtime(InstantOf(CivilNanoseconds(record) + since, *zoneOffset));
}

}  // namespace gpsclock
