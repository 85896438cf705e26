// Figures of the samples the program gives chronyd: their jitter as chronyd reports it, and the
// time from a start byte's arrival stamp to the clock_settime of its mark.
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

// Frames once a second for `seconds`, every mark a sample for a private chronyd -x.
ChronyJitter MeasureChronyJitter(int seconds);

struct StampLatencies {
  std::vector<std::int64_t> latenciesNs;
  std::vector<std::string> problems;
};

// Frames back to back, `frames` - 1 marks, each set outright and then sent as a sample to a socket
// of the benchmark's: the sample's time is the fake clock at the start byte's stamp, and the fake
// clock's record holds its reading at the clock_settime call of the same mark.
StampLatencies MeasureStampToSet(int frames);

}  // namespace gpsclock::bench
