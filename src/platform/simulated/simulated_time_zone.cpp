// Offsets of the simulated time zone, found from the rules of the year at hand.
#include "platform/simulated/simulated_time_zone.h"

#include <chrono>

namespace gpsclock {
namespace {

using namespace std::chrono;

constexpr Nanoseconds kMinute = 60'000'000'000;
constexpr Nanoseconds kHour = 60 * kMinute;
constexpr Nanoseconds kDaylightSaving = kHour;

// The instant of `change` in the year `year`, with `offset` in force until then.
Nanoseconds ChangeInstant(const ZoneChange& change, int year, Nanoseconds offset) {
  const year_month_day date{
      sys_days{std::chrono::year{year} / change.month /
               weekday_indexed{Sunday, static_cast<unsigned>(change.sunday)}}};
  return CivilNanoseconds(year, change.month, int(unsigned(date.day())), change.hour, 0, 0) -
         offset;
}

}  // namespace

SimulatedTimeZone SimulatedTimeZone::FixedOffset(int minutesEastOfUtc) {
  return SimulatedTimeZone(minutesEastOfUtc * kMinute, std::nullopt);
}

SimulatedTimeZone SimulatedTimeZone::NewYork() {
  return SimulatedTimeZone(-5 * kHour, DaylightSaving{{3, 2, 2}, {11, 1, 2}});
}

Nanoseconds SimulatedTimeZone::OffsetAt(Nanoseconds utc) const {
  if (!daylightSaving_) return standardOffset_;
  const int year = CivilRecord(utc + standardOffset_).Year;
  const Nanoseconds start = ChangeInstant(daylightSaving_->start, year, standardOffset_);
  const Nanoseconds end =
      ChangeInstant(daylightSaving_->end, year, standardOffset_ + kDaylightSaving);
  return standardOffset_ + (utc >= start && utc < end ? kDaylightSaving : 0);
}

Nanoseconds SimulatedTimeZone::UtcFromLocal(Nanoseconds local) const {
  const Nanoseconds daylightSavingUtc = local - standardOffset_ - kDaylightSaving;
  if (daylightSaving_ && OffsetAt(daylightSavingUtc) == standardOffset_ + kDaylightSaving) {
    return daylightSavingUtc;
  }
  return local - standardOffset_;
}

}  // namespace gpsclock
