// The core's UTF-8 texts as the UTF-16 of the windows, and back.
#pragma once

#include <string>
#include <string_view>

namespace gpsclock {

// A byte that is not UTF-8 (line noise in a raw frame) shows as U+FFFD; the rest of the text stays.
std::wstring ScreenText(std::string_view utf8);
// A control's text in UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf8Text(std::wstring_view wide);

}  // namespace gpsclock
