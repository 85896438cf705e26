// The configuration file's number conversion: the leading decimal number of a text, rounded half
// to even, as a 16-bit signed value.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace gpsclock {

// Blanks anywhere in the number are ignored and a text that does not begin with a number gives 0;
// nothing when the rounded result lies outside -32768..32767.
std::optional<std::int16_t> ConvertNumber(std::string_view text);

// Stores the converted text in `target`; a failed conversion leaves `target` as it was.
void AssignConverted(std::int16_t& target, std::string_view text);

}  // namespace gpsclock
