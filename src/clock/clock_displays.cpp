// The clock displays. Timer1 refreshes the local clock every 100 ms; a decode postpones it to
// 1000 ms so that, while frames arrive, the local labels are written at the mark instead.
#include "clock/clock_displays.h"

#include "clock/time_texts.h"

namespace gpsclock {
namespace {

constexpr int kLocalClockPeriodMs = 100;
constexpr int kRephasedPeriodMs = 1000;
constexpr int kSignalLostAfterMs = 3000;

void ShowReceivedClockColours(ClockDisplayElements& elements, Colour text) {
  for (ClockLabel* label : {&elements.LDIS, &elements.LDISD}) {
    label->SetBackground(kBlack);
    label->SetForeground(text);
  }
}

}  // namespace

void ClockDisplays::ShowLocalClock() {
  timer1_.SetInterval(kLocalClockPeriodMs);
  const auto reading = clock_.GetLocalTime();
  if (!reading) return;
  elements_.LSDISD.SetCaption(DateText(reading->Year, reading->Month, reading->Day));
  elements_.LSDIS.SetCaption(TimeText(reading->Hour, reading->Minute, reading->Second));
}

void ClockDisplays::ShowMarkIndicators(bool locked) {
  elements_.Shape2.SetFill(locked ? kBrightGreen : kDarkGreen);
  if (locked) {
    timer2_.Enable();
  } else {
    timer2_.Disable();
  }
  ShowReceivedClockColours(elements_, locked ? kBrightGreen : kDarkGreen);
  signalWatch_.Disable();
  signalWatch_.SetInterval(kSignalLostAfterMs);
  signalWatch_.Enable();
}

void ClockDisplays::ShowNoSignal() {
  signalWatch_.Disable();
  BlankGpsClock();
  ShowReceivedClockColours(elements_, kDarkGreen);
}

void ClockDisplays::BlankGpsClock() {
  elements_.LDIS.SetCaption(std::string(kBlankTimeText));
}

void ClockDisplays::ShowGpsClock(const GpsTime& time) {
  elements_.LDIS.SetCaption(TimeText(time.Hour, time.Minute, time.Second));
  elements_.LDISD.SetCaption(DateText(time.Year, time.Month, time.Day));
}

void ClockDisplays::ShowLocalClockAtMark(const LocalTimeRecord& local, bool signalUnlocked) {
  if (!sync_.SyncEnabled()) return;
  if (settings_.SyncWhenUnlocked) {
    // This display writes the day as a plain number.
    elements_.LSDISD.SetCaption(std::to_string(local.Year) + "-" + TwoDigits(local.Month) + "-" +
                                std::to_string(local.Day));
  } else if (!signalUnlocked) {
    elements_.LSDISD.SetCaption(DateText(local.Year, local.Month, local.Day));
  } else {
    return;
  }
  elements_.LSDIS.SetCaption(TimeText(local.Hour, local.Minute, local.Second));
}

// Stopping and starting Timer1 restarts its countdown: its next tick comes 1000 ms after this
// decode, after the next on-time mark. Otherwise it is only made sure to run.
void ClockDisplays::RephaseLocalClock(bool signalUnlocked) {
  if (sync_.SyncEnabled() && (settings_.SyncWhenUnlocked || !signalUnlocked)) {
    timer1_.Disable();
    timer1_.SetInterval(kRephasedPeriodMs);
  }
  timer1_.Enable();
}

void ClockDisplays::EndMarkBlink() {
  timer2_.Disable();
  elements_.Shape2.SetFill(kDarkGreen);
}

}  // namespace gpsclock
