// The correction at the on-time mark. Only the lock gate, the reading and the set live in the
// class; everything the rules decide is in DecideCorrection.
#include "clock/clock_correction.h"

#include <cstdlib>
#include <utility>

namespace gpsclock {
namespace {

constexpr std::int16_t kOutrightSetLimitSeconds = 10;
constexpr int kFirstMinuteOfWindow = 10;
constexpr int kLastMinuteOfWindow = 50;
// A backward step comes at every second backward mark: the counter runs 1, 2, 3->1, 2, 3->1.
constexpr std::int16_t kBackStepAt = 3;

bool IsInsideSetWindow(int localMinute) {
  return localMinute >= kFirstMinuteOfWindow && localMinute <= kLastMinuteOfWindow;
}

}  // namespace

CorrectionDecision DecideCorrection(const LocalTimeRecord& reading, const GpsTime& received,
                                    std::int16_t baudDelayMs, std::int16_t backStepCounter) {
  CorrectionDecision decision;
  decision.backStepCounter = backStepCounter;
  decision.setTo = reading;
  // A second across midnight is not corrected either: the dates must be the same.
  if (received.Day != reading.Day || received.Year != reading.Year ||
      received.Month != reading.Month) {
    return decision;
  }
  decision.ClockDifference = (received.Hour - reading.Hour) * 3600 +
                             (received.Minute - reading.Minute) * 60 +
                             (received.Second - reading.Second);
  const bool inside = IsInsideSetWindow(reading.Minute);
  LocalTimeRecord& local = decision.setTo;

  if (std::abs(decision.ClockDifference) <= kOutrightSetLimitSeconds) {
    // The clock cannot be set to a time no clock shows, such as the second 90 that an unlocked
    // frame's digits may carry; asking would only be refused.
    if (!inside || !IsRealTime(received)) {
      decision.kind = CorrectionKind::kNone;
      return decision;
    }
    local = WithDateAndTime(local, received);
    local.Milliseconds = static_cast<std::uint16_t>(baudDelayMs);
    decision.kind = CorrectionKind::kOutright;
    return decision;
  }

  // Outside the window a far-off clock is written back unchanged.
  if (!inside) {
    decision.kind = CorrectionKind::kWriteBack;
    return decision;
  }
  int second = reading.Second;
  int minute = reading.Minute;
  if (decision.ClockDifference > 0) {
    ++second;
  } else if (++decision.backStepCounter == kBackStepAt) {
    decision.backStepCounter = 1;
    --second;
  }
  // The window holds the minute within 10..50 before the step, so no carry reaches the hour.
  if (second >= 60) {
    ++minute;
    second -= 60;
  } else if (second < 0) {
    --minute;
    second += 60;
  }
  local.Minute = static_cast<std::uint16_t>(minute);
  local.Second = static_cast<std::uint16_t>(second);
  decision.kind = CorrectionKind::kStep;
  return decision;
}

void ClockCorrection::PlanCorrection(const GpsTime& received, bool locked,
                                     std::int16_t baudDelayMs) {
  plan_.reset();
  if (!settings_.SyncWhenUnlocked && !locked) return;
  const auto reading = clock_.GetLocalTime();
  if (!reading) return;
  localTime_ = *reading;
  const CorrectionDecision decision =
      DecideCorrection(*reading, received, baudDelayMs, backStepCounter_);
  if (decision.kind == CorrectionKind::kDatesDiffer) return;
  // The limit lands in the shared error days, where the dialog's value lived: intended.
  settings_.ErrorDays = kOutrightSetLimitSeconds;
  if (decision.kind == CorrectionKind::kNone) return;
  localTime_ = decision.setTo;
  plan_ = Plan{decision, *reading};
}

// The back-step counter moves only with a set that is made. A refused set: LocalTime goes back to
// the real PC clock (read again, or else the reading of the mark), and the log view says so once.
bool ClockCorrection::CorrectLocalClock(std::int64_t markArrivalNs) {
  if (!plan_) return false;
  const Plan plan = *std::exchange(plan_, std::nullopt);
  backStepCounter_ = plan.decision.backStepCounter;
  const bool set = plan.decision.kind == CorrectionKind::kOutright
                       ? clock_.SetLocalTimeAsOf(localTime_, markArrivalNs)
                       : clock_.SetLocalTime(localTime_, plan.reading);
  if (!set) localTime_ = clock_.GetLocalTime().value_or(plan.reading);
  clockSetFailure_.Record(set, text1_);
  return true;
}

}  // namespace gpsclock
