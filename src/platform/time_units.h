// The units of time that every clock of the program counts in: nanoseconds, and how many make the
// larger units.
#pragma once

#include <cstdint>

namespace gpsclock {

using Nanoseconds = std::int64_t;

inline constexpr Nanoseconds kNanosecondsPerMicrosecond = 1'000;
inline constexpr Nanoseconds kNanosecondsPerMillisecond = 1'000 * kNanosecondsPerMicrosecond;
inline constexpr Nanoseconds kNanosecondsPerSecond = 1'000 * kNanosecondsPerMillisecond;
inline constexpr Nanoseconds kNanosecondsPerDay = 86'400 * kNanosecondsPerSecond;

}  // namespace gpsclock
