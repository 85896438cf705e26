// The correction at the on-time mark: the lock gate, the same-date test, the minute window
// 10..50 on the local minute as read, then an outright set within 10 s or a one-second step.
#include "clock/clock_correction.h"

#include <cstdlib>

#include "receiver/program.h"

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

// Sets the PC clock to LocalTime. A refused set must not show as success: LocalTime goes back to
// the real PC clock (read again, or else the reading of this mark), and the log view says so once.
void SetClock(Program& program, const LocalTimeRecord& reading) {
  const bool set = program.platform.clock.SetLocalTime(program.state.LocalTime);
  if (!set) program.state.LocalTime = program.platform.clock.GetLocalTime().value_or(reading);
  program.clockSetFailure.Record(set, program.window.text1);
}

}  // namespace

void CorrectLocalClock(Program& program) {
  ReceiverState& state = program.state;
  SharedSettings& settings = program.settings;
  CorrectionWorkingValues& working = program.correction;
  if (!settings.SyncWhenUnlocked && !state.Locked) return;
  const auto reading = program.platform.clock.GetLocalTime();
  if (!reading) return;
  LocalTimeRecord& local = state.LocalTime;
  local = *reading;
  working.SavedDay = static_cast<std::int16_t>(local.Day);
  working.SavedHour = static_cast<std::int16_t>(local.Hour);
  working.SavedMonth = static_cast<std::int16_t>(local.Month);
  working.SavedYear = static_cast<std::int16_t>(local.Year);
  const int localMinute = local.Minute;
  const int localSecond = local.Second;

  // A second across midnight is not corrected either: the dates must be the same.
  const GpsTime& received = state.ReceivedTime;
  if (received.Day != local.Day || received.Year != local.Year || received.Month != local.Month) {
    return;
  }
  settings.ErrorDays = kOutrightSetLimitSeconds;
  working.ClockDifference = (received.Hour - working.SavedHour) * 3600 +
                            (received.Minute - localMinute) * 60 + (received.Second - localSecond);
  const bool inside = IsInsideSetWindow(localMinute);

  if (std::abs(working.ClockDifference) <= settings.ErrorDays) {
    // The clock cannot be set to a time no clock shows; asking would only be refused.
    if (!inside || !IsTimeOfDay(received)) return;
    local.Hour = static_cast<std::uint16_t>(received.Hour);
    local.Minute = static_cast<std::uint16_t>(received.Minute);
    local.Second = static_cast<std::uint16_t>(received.Second);
    local.Year = static_cast<std::uint16_t>(received.Year);
    local.Month = static_cast<std::uint16_t>(received.Month);
    local.Day = static_cast<std::uint16_t>(received.Day);
    local.Milliseconds = static_cast<std::uint16_t>(settings.BaudDelayMs);
    SetClock(program, *reading);
    return;
  }

  // Outside the window a far-off clock is written back unchanged.
  if (!inside) {
    SetClock(program, *reading);
    return;
  }
  int second = localSecond;
  int minute = localMinute;
  if (working.ClockDifference > 0) {
    ++second;
  } else if (++state.BackStepCounter == kBackStepAt) {
    state.BackStepCounter = 1;
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
  SetClock(program, *reading);
}

}  // namespace gpsclock
