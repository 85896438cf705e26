// The arithmetic of a set on the performance counter's line: the time the clock should read is a
// straight line over the counter, and the set is made at the first point of that line, from now
// on, that falls on a whole millisecond.
#include "platform/win32/win32_local_clock.h"

namespace gpsclock {
namespace {

// The least multiple of a millisecond not below `value`, also below zero.
Nanoseconds CeilToMillisecond(Nanoseconds value) {
  const Nanoseconds remainder = value % kNanosecondsPerMillisecond;
  return value - remainder + (remainder > 0 ? kNanosecondsPerMillisecond : 0);
}

}  // namespace

std::optional<LocalTimeRecord> Win32LocalClock::GetLocalTime() {
  return calls_.GetLocalTime();
}

// The clock's own next whole millisecond is where the line starts: the part of the reading below
// the millisecond stays.
bool Win32LocalClock::SetLocalTime(const LocalTimeRecord& record, const LocalTimeRecord& readAs) {
  if (!IsCivilTime(record) || !IsCivilTime(readAs) || !HoldsSetPrivilege()) return false;
  const auto now = calls_.ReadLocal();
  if (!now) return false;
  const Nanoseconds toBoundary = CeilToMillisecond(now->civil) - now->civil;
  const Nanoseconds distance = CivilNanoseconds(record) - CivilNanoseconds(readAs);
  return SetOnMillisecond(now->civil + toBoundary + distance, now->monotonicNs + toBoundary);
}

bool Win32LocalClock::SetLocalTimeAsOf(const LocalTimeRecord& record,
                                       std::int64_t asOfMonotonicNs) {
  if (!IsCivilTime(record) || !HoldsSetPrivilege()) return false;
  return SetOnMillisecond(CivilNanoseconds(record), asOfMonotonicNs);
}

bool Win32LocalClock::HoldsSetPrivilege() {
  if (!privilegeEnabled_) privilegeEnabled_ = calls_.EnableSetPrivilege();
  return privilegeEnabled_;
}

// The wait is shorter than a millisecond, too short to give the processor away for.
bool Win32LocalClock::SetOnMillisecond(Nanoseconds civil, std::int64_t monotonicNs) {
  const std::int64_t later = CeilToMillisecond(calls_.MonotonicNs() - monotonicNs);
  while (calls_.MonotonicNs() < monotonicNs + later) {
    // Spins on the counter.
  }
  return calls_.SetLocalTime(CivilRecord(civil + later));
}

}  // namespace gpsclock
