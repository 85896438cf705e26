// The time receiver's record for the main window and the process-wide settings and flags.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/local_clock.h"

namespace gpsclock {

// A date and time as the frames carry it; Year is the full year.
struct GpsTime {
  std::int16_t Second = 0;
  std::int16_t Minute = 0;
  std::int16_t Hour = 0;
  std::int16_t Month = 0;
  std::int16_t Year = 0;
  std::int16_t Day = 0;

  friend bool operator==(const GpsTime&, const GpsTime&) = default;
};

// The tray icon as the window last set it.
struct TrayIcon {
  bool Shown = false;
  std::string Tip;
};

struct ReceiverState {
  static constexpr int kRxBufferSlots = 101;

  std::array<std::int16_t, 14> MonthDays{};
  GpsTime ReceivedTime;  // decoded from the last frame
  LocalTimeRecord LocalTime;
  std::string RawText;
  std::string LastRx;
  std::int16_t RxCount = 0;
  bool FrameArmed = false;
  bool FrameReady = false;
  bool Locked = false;
  bool PrevLocked = false;
  std::array<std::string, kRxBufferSlots> RxBuffer;
  std::string LogLine;
  std::string PortSettings;
  std::int16_t BackStepCounter = 0;
  TrayIcon TrayIconData;
};

// One copy each for the whole process; the program object owns it.
struct SharedSettings {
  std::int16_t PortNumber = 0;
  std::int16_t BaudCode = 0;
  bool SyncWhenUnlocked = false;
  bool SyncEnabled = false;
  bool PortClosed = false;
  std::int16_t BaudDelayMs = 0;
  bool SignalUnlocked = false;
  bool FirstStatusPending = false;
  std::string ErrorDaysText;
  std::int16_t ErrorDays = 0;
};

}  // namespace gpsclock
