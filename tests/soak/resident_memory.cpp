// /proc/self/statm: total program size, then resident pages.
#include "soak/resident_memory.h"

#include <unistd.h>

#include <fstream>

namespace gpsclock {

std::optional<std::size_t> ResidentBytes() {
  std::ifstream statm("/proc/self/statm");
  std::size_t totalPages = 0;
  std::size_t residentPages = 0;
  if (!(statm >> totalPages >> residentPages)) return {};
  return residentPages * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

bool ResidentMemoryTellsGrowth() {
#if defined(__SANITIZE_ADDRESS__)
  return false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
  return false;
#else
  return true;
#endif
#else
  return true;
#endif
}

}  // namespace gpsclock
