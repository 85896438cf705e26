// 1200, 2400, 4800 and 9600 baud.
#include "port/baud_table.h"

#include <array>

namespace gpsclock {

std::optional<BaudEntry> LookUpBaudCode(std::int16_t baudCode) {
  static constexpr std::array<BaudEntry, 4> kTable = {{
      {"1200", 1200, 8},
      {"2400", 2400, 4},
      {"4800", 4800, 2},
      {"9600", 9600, 1},
  }};
  if (baudCode < 1 || baudCode > static_cast<std::int16_t>(kTable.size())) return {};
  return kTable[baudCode - 1];
}

}  // namespace gpsclock
