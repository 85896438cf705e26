// The PC's clock through GetLocalTime and SetLocalTime. A set lands exactly on its millisecond:
// SetLocalTime takes whole milliseconds, so the set waits, at most 1 ms on the performance counter,
// for the moment at which the time it sets is a whole millisecond.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/local_clock.h"
#include "platform/win32/clock_calls.h"

namespace gpsclock {

class Win32LocalClock : public LocalClock {
 public:
  explicit Win32LocalClock(ClockCalls& calls = SystemClockCalls()) : calls_(calls) {}

  std::optional<LocalTimeRecord> GetLocalTime() override;
  // Enables the right to set the clock in the process's token before the first set. Fails for an
  // impossible record, without that right, and when Windows refuses the set.
  bool SetLocalTime(const LocalTimeRecord& record, const LocalTimeRecord& readAs) override;
  // `asOfMonotonicNs` on the performance counter, as the serial port stamps arrivals.
  bool SetLocalTimeAsOf(const LocalTimeRecord& record, std::int64_t asOfMonotonicNs) override;

 private:
  bool HoldsSetPrivilege();
  // Sets the clock so that at every counter reading t from the set on it reads
  // civil + (t - monotonicNs), `civil` being a whole millisecond.
  bool SetOnMillisecond(Nanoseconds civil, std::int64_t monotonicNs);

  ClockCalls& calls_;
  bool privilegeEnabled_ = false;
};

}  // namespace gpsclock
