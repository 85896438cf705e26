// Nearest rank: the p-th percentile is the smallest sample with at least p % at or below it.
#include "distribution.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace gpsclock::bench {
namespace {

std::int64_t Percentile(const std::vector<std::int64_t>& sorted, double percent) {
  const auto rank = static_cast<std::size_t>(std::ceil(percent / 100 * sorted.size()));
  return sorted[std::max<std::size_t>(rank, 1) - 1];
}

}  // namespace

Distribution Summarise(std::vector<std::int64_t> samplesNs) {
  if (samplesNs.empty()) return {};
  std::sort(samplesNs.begin(), samplesNs.end());
  return {samplesNs.size(), Percentile(samplesNs, 50), Percentile(samplesNs, 99), samplesNs.back()};
}

std::string Describe(const Distribution& distribution, const char* unit) {
  char text[160];
  std::snprintf(text, sizeof text, "median %.3f ms, p99 %.3f ms, max %.3f ms (%zu %s)",
                distribution.medianNs / 1e6, distribution.p99Ns / 1e6, distribution.maxNs / 1e6,
                distribution.count, unit);
  return text;
}

}  // namespace gpsclock::bench
