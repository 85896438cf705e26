// The lines of the tracking log as the soak expects them.
#include "soak/lock_log_model.h"

#include "platform/gbk_encoder.h"
#include "receiver/lock_log.h"

namespace gpsclock {

void LockLogModel::Decoded(bool locked, const GpsTime& receivedTime) {
  locked_ = locked;
  receivedTime_ = receivedTime;
}

// The first status after start is logged as it is; a first locked status counts as a change
// too, because the status before it counts as unlocked.
void LockLogModel::Accepted(bool logWritable) {
  if (firstStatusPending_) WriteLine(locked_ ? kLockedText : kLockLostText, logWritable);
  if (locked_ != prevLocked_) WriteLine(locked_ ? kLockRestoredText : kLockLostText, logWritable);
  prevLocked_ = locked_;
  firstStatusPending_ = false;
}

void LockLogModel::WriteLine(std::string_view eventText, bool logWritable) {
  ++lines_;
  if (!logWritable) {
    ++linesLost_;
    return;
  }
  fileBytes_ +=
      PlatformGbkEncoder().Utf8ToGbk(FormatLogLine(receivedTime_, eventText) + "\r\n").value_or("");
}

}  // namespace gpsclock
