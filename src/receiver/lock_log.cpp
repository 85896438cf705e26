// Lock status and tracking log.
#include "receiver/lock_log.h"

namespace gpsclock {

std::string FormatLogLine(const GpsTime& time, std::string_view eventText) {
  std::string line = std::to_string(time.Year) + "年" + std::to_string(time.Month) + "月" +
                     std::to_string(time.Day) + "日   " + std::to_string(time.Hour) + ":" +
                     std::to_string(time.Minute) + ":" + std::to_string(time.Second);
  line += eventText;
  return line;
}

void LockStatus::UpdateLockStatus(bool locked) {
  signalUnlocked_ = !locked;
  locked_ = locked;
  label6_.SetCaption(std::string(locked ? kLockedCaption : kNotLockedCaption));
}

// The rules are tested one after another: the first frame after start with status A writes two
// lines, because PrevLocked starts false.
void LockStatus::LogLockChange(const GpsTime& time) {
  if (firstStatusPending_ && !locked_) WriteLogLine(time, kLockLostText);
  if (firstStatusPending_ && locked_) WriteLogLine(time, kLockedText);
  if (prevLocked_ && !locked_) WriteLogLine(time, kLockLostText);
  if (!prevLocked_ && locked_) WriteLogLine(time, kLockRestoredText);
  prevLocked_ = locked_;
  firstStatusPending_ = false;
}

void LockStatus::WriteLogLine(const GpsTime& time, std::string_view eventText) {
  logLine_ = FormatLogLine(time, eventText);
  const auto bytes = encoder_.Utf8ToGbk(logLine_ + "\r\n");
  const bool written = bytes && files_.Append(kTrackingLogFileName, *bytes);
  text1_.AppendLine(logLine_);
  logWriteFailure_.Record(written, text1_);
}

}  // namespace gpsclock
