// The clock correction at the on-time mark.
#pragma once

#include <cstdint>

namespace gpsclock {

struct Program;

// The correction's working values: rewritten at every correction before they are read.
struct CorrectionWorkingValues {
  std::int16_t SavedYear = 0;
  std::int16_t SavedMonth = 0;
  std::int16_t SavedDay = 0;
  std::int16_t SavedHour = 0;
  // Received time of day minus local time of day, in seconds; positive when the PC is behind.
  std::int32_t ClockDifference = 0;
};

// At an on-time mark while synchronisation is on: reads the PC clock and sets it outright to the
// received time, steps it one second towards it, or leaves it alone.
void CorrectLocalClock(Program& program);

}  // namespace gpsclock
