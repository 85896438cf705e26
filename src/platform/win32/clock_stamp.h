// The two clocks a received byte is stamped with, read together right after the read that returned
// it: the PC clock, and the performance counter as the monotonic clock the set-as-of-arrival of
// the PC clock counts on.
#pragma once

#include <windows.h>

#include <cstdint>

namespace gpsclock {

struct ClockStamp {
  // GetSystemTimePreciseAsFileTime: UTC in nanoseconds since 1970, as CLOCK_REALTIME counts.
  std::int64_t realtimeNs = 0;
  // QueryPerformanceCounter in nanoseconds.
  std::int64_t monotonicNs = 0;
};

ClockStamp ReadClockStamp();
std::int64_t MonotonicNanoseconds();
// A FILETIME in nanoseconds since 1970: UTC for a system time, civil time for a local one.
std::int64_t FileTimeNanoseconds(const FILETIME& time);

}  // namespace gpsclock
