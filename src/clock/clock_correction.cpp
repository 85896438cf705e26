// The correction at the on-time mark. Only the lock gate, the reading and the set live in the
// class; everything the rules decide is in DecideCorrection.
#include "clock/clock_correction.h"

#include <cstdlib>

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

// A locked frame's advance carries every field into a time of day; only an unlocked frame, used
// while SyncWhenUnlocked is on, can leave digits that are none, such as second 90.
bool IsTimeOfDay(const GpsTime& time) {
  return time.Hour >= 0 && time.Hour <= 23 && time.Minute >= 0 && time.Minute <= 59 &&
         time.Second >= 0 && time.Second <= 59;
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
    // The clock cannot be set to a time no clock shows; asking would only be refused.
    if (!inside || !IsTimeOfDay(received)) {
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

void ClockCorrection::CorrectLocalClock(const GpsTime& received, bool locked,
                                        std::int16_t baudDelayMs) {
  if (!settings_.SyncWhenUnlocked && !locked) return;
  const auto reading = clock_.GetLocalTime();
  if (!reading) return;
  localTime_ = *reading;
  const CorrectionDecision decision =
      DecideCorrection(*reading, received, baudDelayMs, backStepCounter_);
  if (decision.kind == CorrectionKind::kDatesDiffer) return;
  // The limit lands in the shared error days, where the dialog's value lived: intended.
  settings_.ErrorDays = kOutrightSetLimitSeconds;
  backStepCounter_ = decision.backStepCounter;
  if (decision.kind == CorrectionKind::kNone) return;
  localTime_ = decision.setTo;
  SetClock(*reading);
}

// A refused set: LocalTime goes back to the real PC clock (read again, or else the reading of
// this mark), and the log view says so once.
void ClockCorrection::SetClock(const LocalTimeRecord& reading) {
  const bool set = clock_.SetLocalTime(localTime_);
  if (!set) localTime_ = clock_.GetLocalTime().value_or(reading);
  clockSetFailure_.Record(set, text1_);
}

}  // namespace gpsclock
