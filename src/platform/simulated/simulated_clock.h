// A simulated PC clock on virtual time: it can start anywhere, run fast or slow, record every read
// and set, and refuse to be set. It counts UTC and shows local civil time in its time zone (UTC
// unless a test gives it another); a set moves it as the real clock's does.
#pragma once

#include <optional>
#include <vector>

#include "platform/civil_time.h"
#include "platform/local_clock.h"
#include "platform/simulated/simulated_time_zone.h"
#include "platform/simulated/virtual_time.h"

namespace gpsclock {

class SimulatedClock : public LocalClock {
 public:
  struct SetCall {
    Nanoseconds at;          // virtual time of the call
    Nanoseconds before;      // the PC clock just before it, local civil time
    LocalTimeRecord record;  // what was asked for
    // The moment a set as of an earlier moment was made for; nothing for a set from a reading.
    std::optional<Nanoseconds> asOf;
    bool succeeded;
    Nanoseconds moved;  // how far the set moved the clock's instant; 0 when it failed
  };

  explicit SimulatedClock(VirtualTime& time) : time_(time) {}

  std::optional<LocalTimeRecord> GetLocalTime() override;
  // Both move the clock as the real clock does; both refuse an impossible record.
  bool SetLocalTime(const LocalTimeRecord& record, const LocalTimeRecord& readAs) override;
  // The monotonic clock is virtual time.
  bool SetLocalTimeAsOf(const LocalTimeRecord& record, std::int64_t asOfMonotonicNs) override;

  // The PC clock reads the local civil time `civil` now and runs on from there at its rate.
  void SetTime(Nanoseconds civil);
  Nanoseconds Time() const;
  // The same as an instant, UTC.
  void SetUtcTime(Nanoseconds utc);
  Nanoseconds UtcTime() const;
  // The clock keeps its instant; its local time follows the new zone.
  void SetZone(const SimulatedTimeZone& zone) { zone_ = zone; }
  // Parts per million fast (positive) or slow (negative).
  void SetRatePpm(double ratePpm);
  void SetFailSets(bool fail) { failSets_ = fail; }

  std::size_t Reads() const { return reads_; }
  const std::vector<SetCall>& Sets() const { return sets_; }
  void ClearRecords();

 private:
  // Moves the clock by `distance` unless sets fail, and records the call.
  bool Move(const LocalTimeRecord& record, std::optional<Nanoseconds> asOf, bool valid,
            Nanoseconds distance);

  VirtualTime& time_;
  SimulatedTimeZone zone_ = SimulatedTimeZone::Utc();
  Nanoseconds anchorVirtual_ = 0;
  Nanoseconds anchorUtc_ = 0;
  double ratePpm_ = 0;
  bool failSets_ = false;
  std::size_t reads_ = 0;
  std::vector<SetCall> sets_;
};

}  // namespace gpsclock
