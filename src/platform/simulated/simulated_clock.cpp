// Civil-time arithmetic for the simulated PC clock.
#include "platform/simulated/simulated_clock.h"

#include <chrono>

namespace gpsclock {
namespace {

using namespace std::chrono;

constexpr Nanoseconds kNsPerDay = 86'400 * VirtualTime::kSecond;

}  // namespace

Nanoseconds CivilNanoseconds(int year, int month, int day, int hour, int minute, int second,
                             int milliseconds) {
  const sys_days date = year_month_day{std::chrono::year{year}, std::chrono::month{unsigned(month)},
                                       std::chrono::day{unsigned(day)}};
  const Nanoseconds days = date.time_since_epoch().count();
  return days * kNsPerDay + ((hour * 60LL + minute) * 60 + second) * VirtualTime::kSecond +
         milliseconds * VirtualTime::kMillisecond;
}

Nanoseconds CivilNanoseconds(const LocalTimeRecord& r) {
  return CivilNanoseconds(r.Year, r.Month, r.Day, r.Hour, r.Minute, r.Second, r.Milliseconds);
}

LocalTimeRecord CivilRecord(Nanoseconds civil) {
  Nanoseconds days = civil / kNsPerDay;
  Nanoseconds inDay = civil % kNsPerDay;
  if (inDay < 0) {
    inDay += kNsPerDay;
    --days;
  }
  const sys_days date{std::chrono::days{days}};
  const year_month_day ymd{date};
  const weekday dow{date};
  const Nanoseconds ms = inDay / VirtualTime::kMillisecond;
  LocalTimeRecord record;
  record.Year = static_cast<std::uint16_t>(int(ymd.year()));
  record.Month = static_cast<std::uint16_t>(unsigned(ymd.month()));
  record.DayOfWeek = static_cast<std::uint16_t>(dow.c_encoding());
  record.Day = static_cast<std::uint16_t>(unsigned(ymd.day()));
  record.Hour = static_cast<std::uint16_t>(ms / 3'600'000);
  record.Minute = static_cast<std::uint16_t>(ms / 60'000 % 60);
  record.Second = static_cast<std::uint16_t>(ms / 1000 % 60);
  record.Milliseconds = static_cast<std::uint16_t>(ms % 1000);
  return record;
}

std::optional<LocalTimeRecord> SimulatedClock::GetLocalTime() {
  ++reads_;
  return CivilRecord(Time());
}

bool SimulatedClock::SetLocalTime(const LocalTimeRecord& record) {
  const Nanoseconds before = Time();
  sets_.push_back({time_.Now(), before, record, !failSets_});
  if (failSets_) return false;
  SetTime(CivilNanoseconds(record));
  return true;
}

void SimulatedClock::SetTime(Nanoseconds civil) {
  anchorVirtual_ = time_.Now();
  anchorCivil_ = civil;
}

Nanoseconds SimulatedClock::Time() const {
  const Nanoseconds elapsed = time_.Now() - anchorVirtual_;
  return anchorCivil_ + elapsed + static_cast<Nanoseconds>(elapsed * ratePpm_ / 1e6);
}

void SimulatedClock::SetRatePpm(double ratePpm) {
  SetTime(Time());
  ratePpm_ = ratePpm;
}

void SimulatedClock::ClearRecords() {
  reads_ = 0;
  sets_.clear();
}

}  // namespace gpsclock
