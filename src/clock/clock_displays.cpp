// The clock displays. Timer1 refreshes the local clock every 100 ms; a decode postpones it to
// 1000 ms so that, while frames arrive, the local labels are written at the mark instead.
#include "clock/clock_displays.h"

#include "clock/time_texts.h"
#include "receiver/program.h"

namespace gpsclock {
namespace {

constexpr int kLocalClockPeriodMs = 100;
constexpr int kRephasedPeriodMs = 1000;

}  // namespace

void ShowLocalClock(Program& program) {
  program.platform.Timer1.SetInterval(kLocalClockPeriodMs);
  const auto reading = program.platform.clock.GetLocalTime();
  if (!reading) return;
  program.window.LSDISD.SetCaption(DateText(reading->Year, reading->Month, reading->Day));
  program.window.LSDIS.SetCaption(TimeText(reading->Hour, reading->Minute, reading->Second));
}

void ShowMarkIndicators(Program& program) {
  MainWindowModel& window = program.window;
  const bool locked = program.state.Locked;
  window.Shape2.SetFill(locked ? kBrightGreen : kDarkGreen);
  if (locked) {
    program.platform.Timer2.Enable();
  } else {
    program.platform.Timer2.Disable();
  }
  const Colour text = locked ? kBrightGreen : kDarkGreen;
  for (ClockLabel* label : {&window.LDIS, &window.LDISD}) {
    label->SetBackground(kBlack);
    label->SetForeground(text);
  }
}

void BlankGpsClock(Program& program) {
  program.window.LDIS.SetCaption(std::string(kBlankTimeText));
}

void ShowGpsClock(Program& program) {
  const GpsTime& time = program.state.ReceivedTime;
  program.window.LDIS.SetCaption(TimeText(time.Hour, time.Minute, time.Second));
  program.window.LDISD.SetCaption(DateText(time.Year, time.Month, time.Day));
}

void ShowLocalClockAtMark(Program& program) {
  const SharedSettings& settings = program.settings;
  const LocalTimeRecord& local = program.state.LocalTime;
  MainWindowModel& window = program.window;
  if (!settings.SyncEnabled) return;
  if (settings.SyncWhenUnlocked) {
    // This display writes the day as a plain number.
    window.LSDISD.SetCaption(std::to_string(local.Year) + "-" + TwoDigits(local.Month) + "-" +
                             std::to_string(local.Day));
  } else if (!settings.SignalUnlocked) {
    window.LSDISD.SetCaption(DateText(local.Year, local.Month, local.Day));
  } else {
    return;
  }
  window.LSDIS.SetCaption(TimeText(local.Hour, local.Minute, local.Second));
}

// Stopping and starting Timer1 restarts its countdown: its next tick comes 1000 ms after this
// decode, after the next on-time mark. Otherwise it is only made sure to run.
void RephaseLocalClock(Program& program) {
  const SharedSettings& settings = program.settings;
  UiTimer& timer1 = program.platform.Timer1;
  if (settings.SyncEnabled && (settings.SyncWhenUnlocked || !settings.SignalUnlocked)) {
    timer1.Disable();
    timer1.SetInterval(kRephasedPeriodMs);
  }
  timer1.Enable();
}

void EndMarkBlink(Program& program) {
  program.platform.Timer2.Disable();
  program.window.Shape2.SetFill(kDarkGreen);
}

}  // namespace gpsclock
