// The lock status (Label6) and the tracking log: every change of the lock status, and the first
// status after start, as a line in 跟踪记录.txt and in the log view text1.
#pragma once

#include <string>
#include <string_view>

#include "clock/gps_time.h"
#include "elements/failure_notice.h"
#include "elements/window_elements.h"
#include "platform/program_files.h"
#include "platform/text_encoding.h"

namespace gpsclock {

inline constexpr std::string_view kTrackingLogFileName = "跟踪记录.txt";
inline constexpr std::string_view kLockLostText = "  :  卫星失锁";
inline constexpr std::string_view kLockedText = "  :  已锁定卫星";
inline constexpr std::string_view kLockRestoredText = "  :  卫星恢复锁定";
inline constexpr std::string_view kNotLockedCaption = "卫星未锁定";
inline constexpr std::string_view kLockedCaption = "已同步锁定";
inline constexpr std::string_view kLogWriteFailedText = "跟踪记录文件写入失败";

// "2007年7月9日   8:5:3" followed by the event text; numbers without leading zeros.
std::string FormatLogLine(const GpsTime& time, std::string_view eventText);

class LockStatus {
 public:
  LockStatus(ProgramFiles& files, const TextEncoder& encoder, Label& Label6, LogView& text1)
      : files_(files), encoder_(encoder), label6_(Label6), text1_(text1) {}

  // Start-up: the first status that comes is logged whatever it is.
  void StartUp() { firstStatusPending_ = true; }
  // At the decode: true for status A, false for V.
  void UpdateLockStatus(bool locked);
  // After a frame passed its end check, with its time.
  void LogLockChange(const GpsTime& time);

  bool Locked() const { return locked_; }
  bool PrevLocked() const { return prevLocked_; }
  bool SignalUnlocked() const { return signalUnlocked_; }
  bool FirstStatusPending() const { return firstStatusPending_; }
  const std::string& LogLine() const { return logLine_; }

 private:
  // The file is opened and closed for every line; a line that cannot be written still reaches
  // the log view, and the view says once that the file failed.
  void WriteLogLine(const GpsTime& time, std::string_view eventText);

  ProgramFiles& files_;
  const TextEncoder& encoder_;
  Label& label6_;
  LogView& text1_;
  FailureNotice logWriteFailure_{kLogWriteFailedText};
  bool locked_ = false;
  bool prevLocked_ = false;
  bool signalUnlocked_ = false;
  bool firstStatusPending_ = false;
  std::string logLine_;
};

}  // namespace gpsclock
