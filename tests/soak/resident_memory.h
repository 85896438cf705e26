// The process's resident memory, for the soak's check that memory stays flat.
#pragma once

#include <cstddef>
#include <optional>

namespace gpsclock {

// Resident bytes from /proc/self/statm; nothing when it cannot be read.
std::optional<std::size_t> ResidentBytes();

// AddressSanitizer holds freed memory back in its quarantine, so under it resident memory grows
// without a leak and says nothing.
bool ResidentMemoryTellsGrowth();

}  // namespace gpsclock
