// A simulated PC clock on virtual time: it can start anywhere, run fast or slow, record every read
// and set, and refuse to be set. It keeps local civil time directly; there is no time zone.
#pragma once

#include <vector>

#include "platform/local_clock.h"
#include "platform/simulated/virtual_time.h"

namespace gpsclock {

using Nanoseconds = VirtualTime::Nanoseconds;

// Local civil time as nanoseconds since 1970-01-01 00:00:00.
Nanoseconds CivilNanoseconds(int year, int month, int day, int hour, int minute, int second,
                             int milliseconds = 0);
Nanoseconds CivilNanoseconds(const LocalTimeRecord& record);
LocalTimeRecord CivilRecord(Nanoseconds civil);

class SimulatedClock : public LocalClock {
 public:
  struct SetCall {
    Nanoseconds at;          // virtual time of the call
    Nanoseconds before;      // the PC clock just before it
    LocalTimeRecord record;  // what was asked for
    bool succeeded;
  };

  explicit SimulatedClock(VirtualTime& time) : time_(time) {}

  std::optional<LocalTimeRecord> GetLocalTime() override;
  bool SetLocalTime(const LocalTimeRecord& record) override;

  // The PC clock reads `civil` now and runs on from there at its rate.
  void SetTime(Nanoseconds civil);
  Nanoseconds Time() const;
  // Parts per million fast (positive) or slow (negative).
  void SetRatePpm(double ratePpm);
  void SetFailSets(bool fail) { failSets_ = fail; }

  std::size_t Reads() const { return reads_; }
  const std::vector<SetCall>& Sets() const { return sets_; }
  void ClearRecords();

 private:
  VirtualTime& time_;
  Nanoseconds anchorVirtual_ = 0;
  Nanoseconds anchorCivil_ = 0;
  double ratePpm_ = 0;
  bool failSets_ = false;
  std::size_t reads_ = 0;
  std::vector<SetCall> sets_;
};

}  // namespace gpsclock
