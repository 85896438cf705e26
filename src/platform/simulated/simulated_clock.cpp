// The simulated PC clock: an instant that runs on virtual time, shown through its zone.
#include "platform/simulated/simulated_clock.h"

namespace gpsclock {

std::optional<LocalTimeRecord> SimulatedClock::GetLocalTime() {
  ++reads_;
  return CivilRecord(Time());
}

bool SimulatedClock::SetLocalTime(const LocalTimeRecord& record, const LocalTimeRecord& readAs) {
  const bool valid = IsCivilTime(record) && IsCivilTime(readAs);
  return Move(record, {}, valid,
              valid ? CivilNanoseconds(record) - CivilNanoseconds(readAs) : Nanoseconds{0});
}

bool SimulatedClock::SetLocalTimeAsOf(const LocalTimeRecord& record, std::int64_t asOfMonotonicNs) {
  const bool valid = IsCivilTime(record);
  const Nanoseconds target =
      valid ? CivilNanoseconds(record) + time_.Now() - asOfMonotonicNs : Time();
  return Move(record, asOfMonotonicNs, valid, target - Time());
}

bool SimulatedClock::Move(const LocalTimeRecord& record, std::optional<Nanoseconds> asOf,
                          bool valid, Nanoseconds distance) {
  const bool succeeds = !failSets_ && valid;
  sets_.push_back({time_.Now(), Time(), record, asOf, succeeds, succeeds ? distance : 0});
  if (succeeds) SetUtcTime(UtcTime() + distance);
  return succeeds;
}

void SimulatedClock::SetTime(Nanoseconds civil) {
  SetUtcTime(zone_.UtcFromLocal(civil));
}

Nanoseconds SimulatedClock::Time() const {
  return zone_.LocalFromUtc(UtcTime());
}

void SimulatedClock::SetUtcTime(Nanoseconds utc) {
  anchorVirtual_ = time_.Now();
  anchorUtc_ = utc;
}

Nanoseconds SimulatedClock::UtcTime() const {
  const Nanoseconds elapsed = time_.Now() - anchorVirtual_;
  return anchorUtc_ + elapsed + static_cast<Nanoseconds>(elapsed * ratePpm_ / 1e6);
}

void SimulatedClock::SetRatePpm(double ratePpm) {
  SetUtcTime(UtcTime());
  ratePpm_ = ratePpm;
}

void SimulatedClock::ClearRecords() {
  reads_ = 0;
  sets_.clear();
}

}  // namespace gpsclock
