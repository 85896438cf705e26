// The clock correction at the on-time mark: the rules decide, a thin step sets the PC clock.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "clock/gps_time.h"
#include "config/shared_settings.h"
#include "elements/failure_notice.h"
#include "platform/local_clock.h"

namespace gpsclock {

inline constexpr std::string_view kClockSetFailedText = "系统时间设置失败";

enum class CorrectionKind {
  kDatesDiffer,  // no set of any kind
  kNone,         // within 10 s but outside the minute window: no set
  kOutright,     // set to the received time with BaudDelayMs milliseconds
  kStep,         // one second towards the received time, milliseconds as read
  kWriteBack,    // the reading written back unchanged
};

struct CorrectionDecision {
  CorrectionKind kind = CorrectionKind::kDatesDiffer;
  LocalTimeRecord setTo;             // what SetLocalTime is given, for the kinds that set
  std::int16_t backStepCounter = 0;  // after this mark
  std::int32_t ClockDifference = 0;  // received minus local time of day, in seconds
};

// The rules for one mark: the same-date test, the minute window 10..50 on the local minute as
// read, then an outright set within 10 s or a one-second step. Pure: the counter comes in and
// goes out.
CorrectionDecision DecideCorrection(const LocalTimeRecord& reading, const GpsTime& received,
                                    std::int16_t baudDelayMs, std::int16_t backStepCounter);

class ClockCorrection {
 public:
  ClockCorrection(LocalClock& clock, SharedSettings& settings, LogView& text1)
      : clock_(clock), settings_(settings), text1_(text1) {}

  // At an on-time mark while synchronisation is on: reads the PC clock and decides whether to set
  // it outright to the received time, step it one second towards it, or leave it alone. LocalTime
  // then shows the clock as the set will leave it; the set itself waits for CorrectLocalClock.
  void PlanCorrection(const GpsTime& received, bool locked, std::int16_t baudDelayMs);
  // The frame that the mark began has confirmed it: the planned set is made, an outright one as of
  // the mark's arrival (CLOCK_MONOTONIC). A refused set leaves LocalTime showing the clock as it
  // is. False when there was no set to make.
  bool CorrectLocalClock(std::int64_t markArrivalNs);
  // Synchronisation was switched off: a plan not made yet is not made. While it stays off no mark
  // plans anything.
  void DropPlan() { plan_.reset(); }

  // The last reading of a correction that passed the lock gate, as modified for the set.
  const LocalTimeRecord& LocalTime() const { return localTime_; }
  std::int16_t BackStepCounter() const { return backStepCounter_; }

 private:
  struct Plan {
    CorrectionDecision decision;
    LocalTimeRecord reading;
  };

  LocalClock& clock_;
  SharedSettings& settings_;
  LogView& text1_;
  FailureNotice clockSetFailure_{kClockSetFailedText};
  LocalTimeRecord localTime_;
  std::int16_t backStepCounter_ = 0;
  std::optional<Plan> plan_;
};

}  // namespace gpsclock
