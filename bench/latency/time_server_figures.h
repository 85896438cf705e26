// Figures of the samples the program gives chronyd: their jitter as chronyd reports it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gpsclock::bench {

struct ChronyJitter {
  std::string sources;             // `chronyc sources` at the end
  std::string sourceStats;         // `chronyc sourcestats` at the end: its Std Dev is the jitter
  std::vector<double> rawOffsets;  // every sample as chronyd took it, seconds
  // The simulator's own lateness: the largest gap between two start bytes beyond one second. A
  // sample far off while this is small was made late by the program's side.
  std::int64_t simulatorLatestNs = 0;
  std::vector<std::string> problems;
};

// Frames once a second for `seconds`, every mark a sample for a private chronyd -x; `program` as
// for MarkScenario.
ChronyJitter MeasureChronyJitter(const std::string& program, int seconds);

}  // namespace gpsclock::bench
