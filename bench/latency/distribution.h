// Median, 99th percentile and maximum of measured durations.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gpsclock::bench {

struct Distribution {
  std::size_t count = 0;
  std::int64_t medianNs = 0;
  std::int64_t p99Ns = 0;
  std::int64_t maxNs = 0;
};

// Nearest-rank percentiles; all zero for no samples.
Distribution Summarise(std::vector<std::int64_t> samplesNs);
// "median 0.123 ms, p99 0.456 ms, max 1.234 ms (320 marks)"
std::string Describe(const Distribution& distribution, const char* unit);

}  // namespace gpsclock::bench
