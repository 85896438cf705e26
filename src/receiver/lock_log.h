// The lock status (Label6) and the tracking log: every change of the lock status, and the first
// status after start, as a line in 跟踪记录.txt and in the log view text1.
#pragma once

#include <string>
#include <string_view>

namespace gpsclock {

struct GpsTime;
struct Program;

inline constexpr std::string_view kTrackingLogFileName = "跟踪记录.txt";
inline constexpr std::string_view kLockLostText = "  :  卫星失锁";
inline constexpr std::string_view kLockedText = "  :  已锁定卫星";
inline constexpr std::string_view kLockRestoredText = "  :  卫星恢复锁定";

// Called at the decode: true for status A, false for V.
void UpdateLockStatus(Program& program, bool locked);
// Called after a frame passed its end check.
void LogLockChange(Program& program);
// "2007年7月9日   8:5:3" followed by the event text; numbers without leading zeros.
std::string FormatLogLine(const GpsTime& time, std::string_view eventText);

}  // namespace gpsclock
