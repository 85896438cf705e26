// The bytes of one line of 跟踪记录.txt as the program must write it: GBK, ended by CR LF.
#pragma once

#include <cstdint>
#include <string>

namespace gpsclock::e2e {

enum class LockEvent { kLost, kLocked, kRestored };

// The line for `event` at `seconds` since the epoch, in UTC: 2024年5月6日   12:20:3  :  卫星失锁
std::string TrackingLogLine(std::int64_t seconds, LockEvent event);

}  // namespace gpsclock::e2e
