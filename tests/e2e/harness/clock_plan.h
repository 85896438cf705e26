// Where the simulated device's clock and the program's fake PC clock start. Both are offsets from
// the machine's clock in whole seconds, so their second boundaries fall together.
#pragma once

#include <cstdint>

#include "platform/time_units.h"

namespace gpsclock::e2e {

struct ClockPlan {
  std::int64_t deviceOffsetSeconds = 0;  // for gpsclock-sim --offset
  std::int64_t pcOffsetNs = 0;           // for the fake clock
};

// The device shows `gpsSeconds` about now, and the PC clock is `pcAheadSeconds` ahead of it
// (behind when negative).
ClockPlan PlanClocks(std::int64_t gpsSeconds, std::int64_t pcAheadSeconds);

// Seconds since the epoch of a date and time in UTC, the time zone the tests give both programs
// unless a scenario names another.
std::int64_t UtcSeconds(int year, int month, int day, int hour, int minute, int second);
int UtcMinute(std::int64_t nanoseconds);
// The machine's clock in whole seconds, read in the first half of a second (waiting for the next
// one if need be), so that a plan made at once reads the same second.
std::int64_t MachineSecondNow();
// CLOCK_MONOTONIC now, in nanoseconds: the clock of the stamps in the simulator's frame log and in
// the fake clock's record.
std::int64_t MonotonicNs();

}  // namespace gpsclock::e2e
