// The frame assembler: collects the serial characters by position after the start byte, decodes
// date, time and lock status at the 15th, checks the CR LF end at the 40th, and tells what each
// character completed.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "clock/gps_time.h"
#include "elements/window_elements.h"
#include "platform/serial_layer.h"
#include "receiver/frame_layout.h"

namespace gpsclock {

enum class FrameEvent {
  kNone,       // a character stored, nothing more
  kStartByte,  // a start byte that is no mark
  kMark,       // the start byte one second after an accepted frame's own: its time is MarkTime
  kDecoded,    // date, time and status decoded; a locked frame's time already advanced
  kAccepted,   // the frame passed its end check and is shown in Label9
  kRejected,   // the frame failed its end check
};

// An accepted frame while it waits for its mark.
struct WaitingFrame {
  GpsTime time;  // as decoded, a locked frame's already advanced
  char status = 0;
  std::int64_t startNs = 0;  // the dated arrival of its own start byte, CLOCK_MONOTONIC
};

// A mark whose time the frame it began has confirmed: the clock may be set as of its arrival.
struct ConfirmedMark {
  GpsTime time;  // the second the mark began
  bool locked = false;
  ByteArrival arrival;  // dated back by the bytes that had arrived behind it
};

class FrameAssembler {
 public:
  // Label9 shows each accepted frame.
  explicit FrameAssembler(Label& Label9) : label9_(Label9) {}

  // Runs once per received character other than the start byte.
  FrameEvent HandleReceivedChar(char received);
  // Runs at every start byte, `dated` back by the bytes that had arrived behind it, `tooOld` when
  // more were behind it than can arrive in 20 ms: kMark or kStartByte.
  FrameEvent HandleStartByte(const ByteArrival& dated, bool tooOld);
  // The waiting frame's mark can no longer come (or has been used): the next start byte is none.
  void DropWaitingFrame() { frameReady_ = false; }
  // The line the frames came from was left: neither the waiting frame nor a mark waiting for its
  // confirmation counts any more.
  void DropFrames();
  // After a kDecoded: the mark that the decoded frame confirmed, once.
  std::optional<ConfirmedMark> TakeConfirmedMark();

  bool FrameReady() const { return frameReady_; }
  bool FrameArmed() const { return frameArmed_; }
  std::int16_t RxCount() const { return rxCount_; }
  // The status letter of the last decoded frame.
  char Status() const { return status_; }
  const GpsTime& ReceivedTime() const { return receivedTime_; }
  // The frame that waits for its mark. Line noise after a stray start byte may decode in the
  // meantime, so the mark uses the waiting frame's own time and status.
  const WaitingFrame& Waiting() const { return waiting_; }
  bool WaitingFrameLocked() const { return waiting_.status == frame::kLocked; }
  // The time of the waiting frame's mark: its time, which a locked frame has already advanced;
  // an unlocked frame's second is added here.
  GpsTime MarkTime() const;

 private:
  static constexpr int kRxBufferSlots = 101;

  void Store(char received);
  void DecodeFrame();
  void AdvanceOneSecond(GpsTime& time) const;
  FrameEvent CheckFrameEnd();
  std::int16_t TwoDigitsAt(int position) const;
  bool HasDateAndTimeDigits() const;

  Label& label9_;
  std::array<std::int16_t, 14> monthDays_{29, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31, 0};
  GpsTime receivedTime_;
  char status_ = 0;
  std::int16_t rxCount_ = 0;
  bool frameArmed_ = false;
  bool frameReady_ = false;
  // Slot n holds the n-th character after the start byte; 0 while none came.
  std::array<char, kRxBufferSlots> rxBuffer_{};
  // The dated arrival of the current frame's start byte, CLOCK_MONOTONIC.
  std::int64_t frameStartNs_ = 0;
  WaitingFrame waiting_;
  bool markTaken_ = false;
  // The mark of the waiting frame until the frame it begins decodes: the start byte of that frame
  // is the candidate's own, since every start byte before the decode replaces it.
  std::optional<ConfirmedMark> candidate_;
  std::optional<ConfirmedMark> confirmed_;
};

}  // namespace gpsclock
