// The clock's accuracy in every clean hour, one whose GPS minutes 9..50 met no fault: the clock
// must settle there, by an outright set to the GPS time with BaudDelayMs milliseconds, and from
// then on every mark up to 50:59 must set it again, second after second, each finding the clock on
// the GPS time within BaudDelayMs + 1 ms (the drift of a second).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/simulated/simulated_clock.h"

namespace gpsclock {

class MarkAccuracy {
 public:
  using ViolationHandler = std::function<void(const std::string&)>;

  // Virtual time 0 is GPS time `gpsAtStart`; the device's start bytes come at whole seconds.
  MarkAccuracy(Nanoseconds gpsAtStart, ViolationHandler onViolation)
      : gpsAtStart_(gpsAtStart), onViolation_(std::move(onViolation)) {}

  // A fault is active at virtual second `second`.
  void Disturb(std::int64_t second);
  // A set the program made; `baudDelayMs` is the milliseconds of an outright set.
  void OnSet(const SimulatedClock::SetCall& set, std::int16_t baudDelayMs);
  // The virtual second `second` is over: the hour is judged after its minute 50.
  void EndOfSecond(std::int64_t second);

  std::uint64_t CleanHours() const { return cleanHours_; }
  std::uint64_t DisturbedHours() const { return disturbedHours_; }
  std::uint64_t SettledMarks() const { return settledMarks_; }
  Nanoseconds WorstError() const { return worstError_; }

 private:
  struct Hour {
    std::int64_t number = -1;  // GPS hours since the epoch
    bool disturbed = false;
    bool settled = false;
    Nanoseconds lastMarkAt = 0;
    std::uint64_t settledMarks = 0;
    Nanoseconds worstError = 0;
    std::uint64_t inaccurateMarks = 0;
    std::uint64_t missedMarks = 0;
    std::string firstInaccuracy;
  };

  Nanoseconds GpsTimeAt(Nanoseconds virtualTime) const { return gpsAtStart_ + virtualTime; }
  // The hour of `gpsTime`, started afresh when it is a new one.
  Hour& HourOf(Nanoseconds gpsTime);
  void Judge(const Hour& hour);

  Nanoseconds gpsAtStart_;
  ViolationHandler onViolation_;
  Hour hour_;
  std::uint64_t cleanHours_ = 0;
  std::uint64_t disturbedHours_ = 0;
  std::uint64_t settledMarks_ = 0;
  Nanoseconds worstError_ = 0;
};

}  // namespace gpsclock
