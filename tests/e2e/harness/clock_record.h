// What the fake PC clock saw in the program: who loaded it, every set asked, every forbidden call.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace gpsclock::e2e {

struct ClockLoad {
  long processId = 0;
  unsigned userId = 0;
  unsigned long long effectiveCapabilities = 0;
};

struct ClockSet {
  std::int64_t askedNs = 0;      // the time asked for, since the epoch
  std::int64_t clockWasNs = 0;   // the fake clock at the call
  std::int64_t monotonicNs = 0;  // CLOCK_MONOTONIC at the call
  bool succeeded = false;
};

struct ClockRecord {
  std::vector<ClockLoad> loads;
  std::vector<ClockSet> sets;
  std::vector<std::string> violations;  // the functions called
};

ClockRecord ReadClockRecord(const std::string& path);

}  // namespace gpsclock::e2e
