// The simulated PC clock: an instant that runs on virtual time, shown through its zone.
#include "platform/simulated/simulated_clock.h"

namespace gpsclock {

std::optional<LocalTimeRecord> SimulatedClock::GetLocalTime() {
  ++reads_;
  lastReading_ = Time();
  return CivilRecord(*lastReading_);
}

bool SimulatedClock::SetLocalTime(const LocalTimeRecord& record) {
  const Nanoseconds before = Time();
  const bool succeeds = !failSets_ && IsCivilTime(record);
  const Nanoseconds moved = succeeds ? SetDistance(lastReading_.value_or(before), record) : 0;
  sets_.push_back({time_.Now(), before, record, succeeds, moved});
  if (!succeeds) return false;
  SetUtcTime(UtcTime() + moved);
  // A second set before the next reading is measured from where this one put the clock.
  lastReading_ = lastReading_.value_or(before) + moved;
  return true;
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
