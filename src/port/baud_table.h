// The baud codes of the configuration and the settings dialog, with their speeds and the delay
// that one character takes on the line.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace gpsclock {

struct BaudEntry {
  std::string_view speedText;
  std::int32_t bitsPerSecond;
  // One 10-bit character's time on the line, rounded down to whole milliseconds.
  std::int16_t delayMs;
};

// Codes 1..4; nothing for any other code.
std::optional<BaudEntry> LookUpBaudCode(std::int16_t baudCode);

// No parity, 8 data bits, 1 stop bit, after the speed text.
inline constexpr std::string_view kLineSettingsSuffix = ",n,8,1";

}  // namespace gpsclock
