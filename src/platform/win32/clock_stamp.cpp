// Windows counts FILETIME in 100 ns from 1601 and the performance counter in ticks of its own
// frequency; both become nanoseconds here, without overflow for centuries of uptime.
#include "platform/win32/clock_stamp.h"

#include "platform/time_units.h"

namespace gpsclock {
namespace {

constexpr std::int64_t kNsPerFileTimeTick = 100;
// 1970-01-01 in FILETIME ticks.
constexpr std::int64_t kUnixEpochFileTime = 116'444'736'000'000'000;

// Queried once: it is fixed at boot and the same on every processor.
std::int64_t CounterFrequency() {
  LARGE_INTEGER frequency{};
  QueryPerformanceFrequency(&frequency);
  return frequency.QuadPart;
}

}  // namespace

// Since Windows XP the performance counter neither fails nor stops.
std::int64_t MonotonicNanoseconds() {
  static const std::int64_t frequency = CounterFrequency();
  LARGE_INTEGER counter{};
  QueryPerformanceCounter(&counter);
  const std::int64_t ticks = counter.QuadPart;
  return ticks / frequency * kNanosecondsPerSecond +
         ticks % frequency * kNanosecondsPerSecond / frequency;
}

std::int64_t FileTimeNanoseconds(const FILETIME& time) {
  const auto ticks =
      static_cast<std::int64_t>((std::uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime);
  return (ticks - kUnixEpochFileTime) * kNsPerFileTimeTick;
}

ClockStamp ReadClockStamp() {
  FILETIME now{};
  GetSystemTimePreciseAsFileTime(&now);
  return {FileTimeNanoseconds(now), MonotonicNanoseconds()};
}

}  // namespace gpsclock
