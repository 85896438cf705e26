// The frame assembler: collects the serial characters by position after the start byte, decodes
// date, time and lock status at the 15th, checks the CR LF end at the 40th, and tells what each
// character completed.
#pragma once

#include <array>
#include <cstdint>

#include "clock/gps_time.h"
#include "elements/window_elements.h"
#include "platform/ui_timer.h"
#include "receiver/frame_layout.h"

namespace gpsclock {

enum class FrameEvent {
  kNone,       // a character stored, nothing more
  kStartByte,  // a start byte with no frame waiting
  kMark,       // the start byte that follows an accepted frame: ReceivedTime is its time
  kDecoded,    // date, time and status decoded; a locked frame's time already advanced
  kAccepted,   // the frame passed its end check, is shown in Label9 and waits for its mark
  kRejected,   // the frame failed its end check
};

class FrameAssembler {
 public:
  // `frameExpiry` is a one-shot timer: an accepted frame whose mark has not come in time goes
  // stale. Label9 shows each accepted frame.
  FrameAssembler(UiTimer& frameExpiry, Label& Label9)
      : frameExpiry_(frameExpiry), label9_(Label9) {}

  // Runs once per received character.
  FrameEvent HandleReceivedChar(char received);
  // The waiting frame's mark can no longer come (or has been used): the next start byte is none.
  void DropWaitingFrame() { frameReady_ = false; }
  // The accepted frame's mark did not come in time.
  void ExpireFrame();

  bool FrameReady() const { return frameReady_; }
  bool FrameArmed() const { return frameArmed_; }
  std::int16_t RxCount() const { return rxCount_; }
  // The status letter of the last decoded frame.
  char Status() const { return rxBuffer_[frame::kStatusPosition]; }
  const GpsTime& ReceivedTime() const { return receivedTime_; }

 private:
  static constexpr int kRxBufferSlots = 101;

  void HandleFrameStart();
  void DecodeFrame();
  void AdvanceOneSecond();
  FrameEvent CheckFrameEnd();
  std::int16_t TwoDigitsAt(int position) const;
  bool HasDateAndTimeDigits() const;

  UiTimer& frameExpiry_;
  Label& label9_;
  std::array<std::int16_t, 14> monthDays_{29, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31, 0};
  GpsTime receivedTime_;
  std::int16_t rxCount_ = 0;
  bool frameArmed_ = false;
  bool frameReady_ = false;
  // Slot n holds the n-th character after the start byte; 0 while none came.
  std::array<char, kRxBufferSlots> rxBuffer_{};
};

}  // namespace gpsclock
