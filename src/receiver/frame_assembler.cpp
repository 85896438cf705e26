// The frame assembler. Each digit stands on its own; anything but a decimal digit counts as 0.
#include "receiver/frame_assembler.h"

#include <utility>

#include "platform/time_units.h"

namespace gpsclock {
namespace {

constexpr std::int16_t kRxCountCap = 42;
// The device puts a start byte on every second, so a frame's mark comes one second after the
// frame's own start byte. Earlier it is a stray byte of the line; later the frame went stale (its
// mark went missing, or waited somewhere), and its time would set the clock seconds wrong.
constexpr std::int64_t kMarkAfterFrameNs = kNanosecondsPerSecond;
constexpr std::int64_t kMarkToleranceNs = 50 * kNanosecondsPerMillisecond;

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

FrameEvent FrameAssembler::HandleStartByte(const ByteArrival& dated, bool tooOld) {
  Store(frame::kStartByte);
  rxCount_ = 0;
  FrameEvent event = FrameEvent::kStartByte;
  const std::int64_t sinceFrame = dated.monotonicNs - waiting_.startNs;
  const bool late = tooOld || sinceFrame > kMarkAfterFrameNs + kMarkToleranceNs;
  const bool onTime = !late && sinceFrame >= kMarkAfterFrameNs - kMarkToleranceNs;
  if (candidate_) {
    // Before the candidate's frame decoded, another start byte came: the frame that could have
    // confirmed the candidate is cut, and only this start byte's own frame can confirm a mark.
    if (onTime) {
      candidate_->arrival = dated;
    } else {
      candidate_.reset();
    }
  } else if (frameReady_ && !markTaken_) {
    if (late) {
      frameReady_ = false;
    } else if (onTime) {
      // A frame has one mark, even where it stays waiting (while synchronisation is off).
      markTaken_ = true;
      candidate_ = ConfirmedMark{MarkTime(), WaitingFrameLocked(), dated};
      event = FrameEvent::kMark;
    }
    // Earlier it is a stray start byte: the waiting frame lives on.
  }
  frameArmed_ = true;
  frameStartNs_ = dated.monotonicNs;
  return event;
}

void FrameAssembler::DropFrames() {
  frameReady_ = false;
  candidate_.reset();
}

std::optional<ConfirmedMark> FrameAssembler::TakeConfirmedMark() {
  return std::exchange(confirmed_, std::nullopt);
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
  // A mark stands only when the frame it began carries the second it marked: a damaged digit, a
  // device's glitch or a stuck time in either frame sets nothing. Digits are compared with
  // digits, before the advance, so this holds for locked and unlocked frames alike.
  if (candidate_ && time == candidate_->time) confirmed_ = candidate_;
  candidate_.reset();
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
