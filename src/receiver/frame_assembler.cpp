// The frame assembler. Each digit stands on its own; anything but a decimal digit counts as 0.
#include "receiver/frame_assembler.h"

namespace gpsclock {
namespace {

constexpr std::int16_t kRxCountCap = 42;
// The device puts a start byte on every second, so a frame's mark comes one second after the
// frame's own start byte. Earlier it is a stray byte of the line; later the frame went stale (its
// mark went missing, or waited somewhere), and its time would set the clock seconds wrong.
constexpr std::int64_t kMarkAfterFrameNs = 1'000'000'000;
constexpr std::int64_t kMarkToleranceNs = 50'000'000;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsLeapYear(std::int16_t year) {
  return year % 4 == 0;
}  // exact for 2000..2099

}  // namespace

FrameEvent FrameAssembler::HandleReceivedChar(char received) {
  Store(received);
  if (rxCount_ == frame::kStatusPosition && frameArmed_) {
    DecodeFrame();
    return FrameEvent::kDecoded;
  }
  if (rxCount_ == frame::kLfPosition && frameArmed_) return CheckFrameEnd();
  return FrameEvent::kNone;
}

FrameEvent FrameAssembler::HandleStartByte(const StartByteArrival& arrival) {
  Store(frame::kStartByte);
  rxCount_ = 0;
  FrameEvent event = FrameEvent::kStartByte;
  if (frameReady_ && !markTaken_) {
    const std::int64_t sinceFrame = arrival.monotonicNs - waiting_.startNs;
    if (arrival.tooOld || sinceFrame > kMarkAfterFrameNs + kMarkToleranceNs) {
      frameReady_ = false;
    } else if (sinceFrame >= kMarkAfterFrameNs - kMarkToleranceNs) {
      // A frame has one mark, even where it stays waiting (while synchronisation is off).
      markTaken_ = true;
      event = FrameEvent::kMark;
    }
    // Earlier it is a stray start byte: the waiting frame lives on.
  }
  frameArmed_ = true;
  frameStartNs_ = arrival.monotonicNs;
  return event;
}

void FrameAssembler::Store(char received) {
  ++rxCount_;
  rxBuffer_[static_cast<std::size_t>(rxCount_)] = received;
  if (rxCount_ > kRxCountCap - 1) rxCount_ = kRxCountCap;
}

std::int16_t FrameAssembler::TwoDigitsAt(int position) const {
  const auto digit = [this](int at) {
    const char c = rxBuffer_[static_cast<std::size_t>(at)];
    return IsDigit(c) ? c - '0' : 0;
  };
  return static_cast<std::int16_t>(10 * digit(position) + digit(position + 1));
}

// A digit damaged on the line decodes as 0: shown, but never trusted to set the clock.
bool FrameAssembler::HasDateAndTimeDigits() const {
  for (int position = frame::kFirstDigitPosition; position <= frame::kLastDigitPosition;
       ++position) {
    if (!IsDigit(rxBuffer_[static_cast<std::size_t>(position)])) return false;
  }
  return true;
}

void FrameAssembler::DecodeFrame() {
  GpsTime& time = receivedTime_;
  time.Second = TwoDigitsAt(frame::kSecondPosition);
  time.Minute = TwoDigitsAt(frame::kMinutePosition);
  time.Hour = TwoDigitsAt(frame::kHourPosition);
  time.Month = TwoDigitsAt(frame::kMonthPosition);
  time.Year = static_cast<std::int16_t>(2000 + TwoDigitsAt(frame::kYearPosition));
  time.Day = TwoDigitsAt(frame::kDayPosition);
  status_ = rxBuffer_[frame::kStatusPosition];
  // The frame describes the second now running; the mark at the next start byte is one later.
  if (Status() == frame::kLocked) AdvanceOneSecond(time);
}

GpsTime FrameAssembler::MarkTime() const {
  GpsTime time = waiting_.time;
  if (!WaitingFrameLocked()) AdvanceOneSecond(time);
  return time;
}

// Carries run on every locked frame, so a day too large for its month moves on at once.
void FrameAssembler::AdvanceOneSecond(GpsTime& time) const {
  if (++time.Second >= 60) {
    ++time.Minute;
    time.Second = 0;
  }
  if (time.Minute >= 60) {
    ++time.Hour;
    time.Minute = 0;
  }
  if (time.Hour >= 24) {
    ++time.Day;
    time.Hour = 0;
  }
  if (IsLeapYear(time.Year) && time.Month == 2) {
    if (time.Day > 29) {
      ++time.Month;
      time.Day = 1;
    }
  } else {
    if (time.Month > 12) time.Month = 1;
    if (time.Day > monthDays_[static_cast<std::size_t>(time.Month)]) {
      ++time.Month;
      time.Day = 1;
    }
  }
  if (time.Month > 12) {
    time.Month = 1;
    ++time.Year;
  }
}

// A frame whose status is neither letter is shown, but its time is never trusted at a mark: it
// skipped the locked frame's advance, and would set the clock a second behind.
FrameEvent FrameAssembler::CheckFrameEnd() {
  if (rxBuffer_[frame::kCrPosition] != '\r' || rxBuffer_[frame::kLfPosition] != '\n' ||
      !HasDateAndTimeDigits()) {
    return FrameEvent::kRejected;
  }
  label9_.SetCaption(std::string(&rxBuffer_[1], frame::kLastRawPosition));
  frameReady_ = Status() == frame::kLocked || Status() == frame::kNotLocked;
  frameArmed_ = false;
  waiting_ = {receivedTime_, status_, frameStartNs_};
  markTaken_ = false;
  return FrameEvent::kAccepted;
}

}  // namespace gpsclock
