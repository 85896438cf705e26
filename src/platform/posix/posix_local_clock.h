// The PC's real clock, read and set through CLOCK_REALTIME in the local time zone.
#pragma once

#include "platform/local_clock.h"

namespace gpsclock {

class PosixLocalClock : public LocalClock {
 public:
  std::optional<LocalTimeRecord> GetLocalTime() override;
  // Fails without the right to set the clock (CAP_SYS_TIME).
  bool SetLocalTime(const LocalTimeRecord& record) override;
};

}  // namespace gpsclock
