// The local and received clock displays, the receive indicator and Timer1's phase.
#pragma once

#include "clock/gps_time.h"
#include "clock/sync_switch.h"
#include "config/shared_settings.h"
#include "elements/window_elements.h"
#include "platform/local_clock.h"
#include "platform/ui_timer.h"

namespace gpsclock {

// The elements the clock displays write.
struct ClockDisplayElements {
  ClockLabel& LSDISD;
  ClockLabel& LSDIS;
  ClockLabel& LDISD;
  ClockLabel& LDIS;
  Indicator& Shape2;
};

class ClockDisplays {
 public:
  // Timer1 refreshes the local clock, Timer2 ends the receive blink, and `signalWatch` tells
  // when the start bytes stopped coming.
  ClockDisplays(LocalClock& clock, UiTimer& timer1, UiTimer& timer2, UiTimer& signalWatch,
                const SharedSettings& settings, const SyncSwitch& sync,
                ClockDisplayElements elements)
      : clock_(clock),
        timer1_(timer1),
        timer2_(timer2),
        signalWatch_(signalWatch),
        settings_(settings),
        sync_(sync),
        elements_(elements) {}

  void ShowLocalClock();                   // Timer1 tick
  void ShowMarkIndicators(bool locked);    // every start byte
  void BlankGpsClock();                    // every start byte
  void ShowGpsClock(const GpsTime& time);  // on-time mark, after the correction
  // On-time mark, after ShowGpsClock: the clock as the correction read and set it.
  void ShowLocalClockAtMark(const LocalTimeRecord& local, bool signalUnlocked);
  void RephaseLocalClock(bool signalUnlocked);  // end of every decode
  void EndMarkBlink();                          // Timer2 tick
  // No start byte for 3 s, or the port lost: the received clock shows no time, in the colours
  // of an unlocked receiver, until the next start byte.
  void ShowNoSignal();
  // Makes sure Timer1 runs, keeping the countdown of a running one.
  void KeepLocalClockRunning() { timer1_.Enable(); }

 private:
  LocalClock& clock_;
  UiTimer& timer1_;
  UiTimer& timer2_;
  UiTimer& signalWatch_;
  const SharedSettings& settings_;
  const SyncSwitch& sync_;
  ClockDisplayElements elements_;
};

}  // namespace gpsclock
