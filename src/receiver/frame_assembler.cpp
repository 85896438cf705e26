// The frame assembler. Each digit stands on its own; anything but a decimal digit counts as 0.
#include "receiver/frame_assembler.h"

namespace gpsclock {
namespace {

constexpr std::int16_t kRxCountCap = 42;
// The mark comes within a second of its frame's end. A start byte later than this follows a frame
// that went missing (or lost its own start byte), and the time of the frame before would set the
// clock a whole second wrong.
constexpr int kFrameLifetimeMs = 1500;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsLeapYear(std::int16_t year) {
  return year % 4 == 0;
}  // exact for 2000..2099

}  // namespace

FrameEvent FrameAssembler::HandleReceivedChar(char received) {
  ++rxCount_;
  rxBuffer_[static_cast<std::size_t>(rxCount_)] = received;
  if (rxCount_ > kRxCountCap - 1) rxCount_ = kRxCountCap;
  if (received == frame::kStartByte) {
    const bool mark = frameReady_;
    HandleFrameStart();
    return mark ? FrameEvent::kMark : FrameEvent::kStartByte;
  }
  if (rxCount_ == frame::kStatusPosition && frameArmed_) {
    DecodeFrame();
    return FrameEvent::kDecoded;
  }
  if (rxCount_ == frame::kLfPosition && frameArmed_) return CheckFrameEnd();
  return FrameEvent::kNone;
}

void FrameAssembler::HandleFrameStart() {
  frameArmed_ = true;
  rxCount_ = 0;
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
  // The frame describes the second now running; the mark at the next start byte is one later.
  if (Status() == frame::kLocked) AdvanceOneSecond();
}

// Carries run on every locked frame, so a day too large for its month moves on at once.
void FrameAssembler::AdvanceOneSecond() {
  GpsTime& time = receivedTime_;
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

FrameEvent FrameAssembler::CheckFrameEnd() {
  if (rxBuffer_[frame::kCrPosition] != '\r' || rxBuffer_[frame::kLfPosition] != '\n' ||
      !HasDateAndTimeDigits()) {
    return FrameEvent::kRejected;
  }
  label9_.SetCaption(std::string(&rxBuffer_[1], frame::kLastRawPosition));
  frameReady_ = true;
  frameArmed_ = false;
  frameExpiry_.Disable();
  frameExpiry_.SetInterval(kFrameLifetimeMs);
  frameExpiry_.Enable();
  return FrameEvent::kAccepted;
}

void FrameAssembler::ExpireFrame() {
  frameExpiry_.Disable();
  frameReady_ = false;
}

}  // namespace gpsclock
