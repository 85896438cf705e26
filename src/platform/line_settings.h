// The serial control's settings text "speed,parity,data,stop", such as "9600,n,8,1".
#pragma once

#include <optional>
#include <string_view>

namespace gpsclock {

enum class Parity { kNone, kEven, kOdd, kMark, kSpace };

struct LineSettings {
  int baud = 9600;
  Parity parity = Parity::kNone;
  int dataBits = 8;
  int stopBits = 1;  // 1 or 2

  friend bool operator==(const LineSettings&, const LineSettings&) = default;
};

// Nothing when the text has no valid speed or a malformed field.
std::optional<LineSettings> ParseLineSettings(std::string_view text);

}  // namespace gpsclock
