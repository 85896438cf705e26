// Parsing of the settings text; the speeds are those a PC serial port offers.
#include "platform/line_settings.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>

namespace gpsclock {
namespace {

constexpr std::array kSpeeds = {110,  300,   600,   1200,  2400,  4800,
                                9600, 14400, 19200, 38400, 57600, 115200};

std::optional<int> ParseWhole(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return {};
  return value;
}

std::optional<Parity> ParseParity(std::string_view text) {
  if (text.size() != 1) return {};
  switch (text[0]) {
    case 'n':
    case 'N':
      return Parity::kNone;
    case 'e':
    case 'E':
      return Parity::kEven;
    case 'o':
    case 'O':
      return Parity::kOdd;
    case 'm':
    case 'M':
      return Parity::kMark;
    case 's':
    case 'S':
      return Parity::kSpace;
    default:
      return {};
  }
}

}  // namespace

std::optional<LineSettings> ParseLineSettings(std::string_view text) {
  std::array<std::string_view, 4> fields;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const std::size_t comma = text.find(',');
    if ((comma == std::string_view::npos) != (i == fields.size() - 1)) return {};
    fields[i] = text.substr(0, comma);
    text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
  }
  const auto baud = ParseWhole(fields[0]);
  const auto parity = ParseParity(fields[1]);
  const auto dataBits = ParseWhole(fields[2]);
  const auto stopBits = ParseWhole(fields[3]);
  if (!baud || std::find(kSpeeds.begin(), kSpeeds.end(), *baud) == kSpeeds.end()) return {};
  if (!parity || !dataBits || *dataBits < 5 || *dataBits > 8) return {};
  if (!stopBits || (*stopBits != 1 && *stopBits != 2)) return {};
  return LineSettings{*baud, *parity, *dataBits, *stopBits};
}

}  // namespace gpsclock
