// What the tracking log must hold, kept from the frames the soak's device sent: the first status
// after start and every change of the lock status, each as one line, in the file whenever it was
// writable at that moment.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "clock/gps_time.h"

namespace gpsclock {

class LockLogModel {
 public:
  // A frame reached its status character: `locked` for A, not for V; `receivedTime` is what it
  // decodes to, with a locked frame's extra second.
  void Decoded(bool locked, const GpsTime& receivedTime);
  // The frame decoded last passed its end check.
  void Accepted(bool logWritable);

  const std::string& FileBytes() const { return fileBytes_; }
  std::uint64_t Lines() const { return lines_; }
  std::uint64_t LinesLost() const { return linesLost_; }

 private:
  void WriteLine(std::string_view eventText, bool logWritable);

  bool firstStatusPending_ = true;
  bool locked_ = false;
  bool prevLocked_ = false;
  GpsTime receivedTime_;
  std::string fileBytes_;
  std::uint64_t lines_ = 0;
  std::uint64_t linesLost_ = 0;
};

}  // namespace gpsclock
