// Frame layout after the start byte (position 0): 3-4 year, 5-6 month, 7-8 day, 9-10 hour,
// 11-12 minute, 13-14 second, 15 status (A locked, V not locked), 39-40 CR LF.
#include "receiver/frame_assembler.h"

#include <charconv>

#include "clock/clock_correction.h"
#include "clock/clock_displays.h"
#include "port/baud_table.h"
#include "receiver/lock_log.h"
#include "receiver/program.h"

namespace gpsclock {
namespace {

constexpr std::int16_t kDecodePosition = 15;
constexpr std::int16_t kEndPosition = 40;
constexpr std::int16_t kRxCountCap = 42;
constexpr int kLastRawPosition = 38;
constexpr int kFirstDigitPosition = 3;
constexpr int kLastDigitPosition = 14;
// The mark comes within a second of its frame's end. A start byte later than this follows a frame
// that went missing (or lost its own start byte), and the time of the frame before would set the
// clock a whole second wrong.
constexpr int kFrameLifetimeMs = 1500;

// Each digit stands on its own; anything but a decimal digit counts as 0.
std::int16_t DigitAt(const ReceiverState& state, int position) {
  const std::string& slot = state.RxBuffer[position];
  return slot.size() == 1 && slot[0] >= '0' && slot[0] <= '9' ? slot[0] - '0' : 0;
}

std::int16_t TwoDigitsAt(const ReceiverState& state, int position) {
  return static_cast<std::int16_t>(10 * DigitAt(state, position) + DigitAt(state, position + 1));
}

// A digit damaged on the line decodes as 0: shown, but never trusted to set the clock.
bool HasDateAndTimeDigits(const ReceiverState& state) {
  for (int position = kFirstDigitPosition; position <= kLastDigitPosition; ++position) {
    const std::string& slot = state.RxBuffer[position];
    if (slot.size() != 1 || slot[0] < '0' || slot[0] > '9') return false;
  }
  return true;
}

// A locked mark goes to the time server after the set, never before: the start byte's stamp was
// read before the set, so the set cannot spoil the sample. The true time at the stamp is the
// mark's time plus the start byte's 10 bits on the line.
void SendTimeSample(Program& program) {
  const auto baud = LookUpBaudCode(program.settings.BaudCode);
  if (!program.state.Locked || !baud) return;
  int speed = 0;
  std::from_chars(baud->speedText.data(), baud->speedText.data() + baud->speedText.size(), speed);
  if (speed <= 0) return;
  const GpsTime& received = program.state.ReceivedTime;
  LocalTimeRecord markTime;
  markTime.Year = static_cast<std::uint16_t>(received.Year);
  markTime.Month = static_cast<std::uint16_t>(received.Month);
  markTime.Day = static_cast<std::uint16_t>(received.Day);
  markTime.Hour = static_cast<std::uint16_t>(received.Hour);
  markTime.Minute = static_cast<std::uint16_t>(received.Minute);
  markTime.Second = static_cast<std::uint16_t>(received.Second);
  const std::int64_t lineDelayNs = 10'000'000'000LL / speed;
  program.platform.timeServer.Send(markTime, lineDelayNs, program.platform.serial.InputArrival());
}

bool IsLeapYear(std::int16_t year) {
  return year % 4 == 0;
}  // exact for 2000..2099

}  // namespace

void HandleReceivedChar(Program& program) {
  ReceiverState& state = program.state;
  ++state.RxCount;
  state.RxBuffer[state.RxCount] = state.LastRx;
  if (state.RxCount > kRxCountCap - 1) state.RxCount = kRxCountCap;
  if (state.LastRx == kFrameStart) {
    HandleFrameStart(program);
  } else if (state.RxCount == kDecodePosition && state.FrameArmed) {
    DecodeFrame(program);
  } else if (state.RxCount == kEndPosition && state.FrameArmed) {
    CheckFrameEnd(program);
  }
}

// The start byte that follows an accepted frame is the on-time mark: only the indicators and the
// placeholder come before the correction, so the clock is set as close to the mark as can be.
void HandleFrameStart(Program& program) {
  ReceiverState& state = program.state;
  ShowMarkIndicators(program);
  state.FrameArmed = true;
  state.RxCount = 0;
  BlankGpsClock(program);
  if (!state.FrameReady) return;
  if (!program.settings.SyncEnabled) {
    program.platform.Timer1.Enable();
    return;
  }
  CorrectLocalClock(program);
  SendTimeSample(program);
  state.FrameReady = false;
  ShowGpsClock(program);
  ShowLocalClockAtMark(program);
  program.platform.Timer1.Enable();
}

void DecodeFrame(Program& program) {
  ReceiverState& state = program.state;
  GpsTime& time = state.ReceivedTime;
  time.Second = TwoDigitsAt(state, 13);
  time.Minute = TwoDigitsAt(state, 11);
  time.Hour = TwoDigitsAt(state, 9);
  time.Month = TwoDigitsAt(state, 5);
  time.Year = static_cast<std::int16_t>(2000 + TwoDigitsAt(state, 3));
  time.Day = TwoDigitsAt(state, 7);
  const std::string& status = state.RxBuffer[15];
  if (status == "V") UpdateLockStatus(program, false);
  if (status == "A") {
    UpdateLockStatus(program, true);
    // The frame describes the second now running; the mark at the next start byte is one later.
    AdvanceOneSecond(program);
  }
  RephaseLocalClock(program);
}

// Carries run on every locked frame, so a day too large for its month moves on at once.
void AdvanceOneSecond(Program& program) {
  const auto& monthDays = program.state.MonthDays;
  GpsTime& time = program.state.ReceivedTime;
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
    if (time.Day > monthDays[time.Month]) {
      ++time.Month;
      time.Day = 1;
    }
  }
  if (time.Month > 12) {
    time.Month = 1;
    ++time.Year;
  }
}

void CheckFrameEnd(Program& program) {
  ReceiverState& state = program.state;
  if (state.RxBuffer[39] != "\r" || state.RxBuffer[40] != "\n" || !HasDateAndTimeDigits(state)) {
    program.platform.Timer1.Enable();
    return;
  }
  state.RawText.clear();
  for (int position = 1; position <= kLastRawPosition; ++position) {
    state.RawText += state.RxBuffer[position];
  }
  program.window.Label9.SetCaption(state.RawText);
  state.FrameReady = true;
  state.FrameArmed = false;
  UiTimer& expiry = program.platform.FrameExpiry;
  expiry.Disable();
  expiry.SetInterval(kFrameLifetimeMs);
  expiry.Enable();
  LogLockChange(program);
}

void ExpireFrame(Program& program) {
  program.platform.FrameExpiry.Disable();
  program.state.FrameReady = false;
}

}  // namespace gpsclock
