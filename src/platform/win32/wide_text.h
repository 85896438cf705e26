// Texts between the program's UTF-8, the UTF-16 of the W functions and a code page's bytes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace gpsclock {

inline constexpr unsigned kGbkCodePage = 936;

// Nothing when the bytes are not valid in the code page.
std::optional<std::wstring> ToWide(unsigned codePage, std::string_view bytes);
// Nothing when the code page cannot hold one of the characters: no stand-in character is put in
// its place.
std::optional<std::string> FromWide(unsigned codePage, std::wstring_view wide);

}  // namespace gpsclock
