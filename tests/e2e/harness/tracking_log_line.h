// One line of 跟踪记录.txt as the program must write it (GBK, ended by CR LF), and the same line as
// its log view shows it.
#pragma once

#include <cstdint>
#include <string>

#include "harness/simulator_run.h"

namespace gpsclock::e2e {

enum class LockEvent { kLost, kLocked, kRestored };

// The line for `event` at `seconds` since the epoch, in UTC: 2024年5月6日   12:20:3  :  卫星失锁
std::string TrackingLogLine(std::int64_t seconds, LockEvent event);
// The same line in UTF-8, without the line end.
std::string LogViewLine(std::int64_t seconds, LockEvent event);
// The lines written at the end of `frame`. A locked frame's time is already that of the next
// second by then.
std::string TrackingLogLine(const SentFrame& frame, LockEvent event);
std::string LogViewLine(const SentFrame& frame, LockEvent event);

}  // namespace gpsclock::e2e
