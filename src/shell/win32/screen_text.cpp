// Without MB_ERR_INVALID_CHARS Windows puts U+FFFD for what it cannot convert, which is what a
// window should show rather than nothing.
#include "shell/win32/screen_text.h"

#include <windows.h>

#include <algorithm>
#include <limits>

namespace gpsclock {
namespace {

int LengthOf(std::size_t size) {
  return static_cast<int>(std::min<std::size_t>(size, std::numeric_limits<int>::max()));
}

}  // namespace

std::wstring ScreenText(std::string_view utf8) {
  const int length = LengthOf(utf8.size());
  const int needed = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(std::max(needed, 0)), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(), needed);
  return wide;
}

std::string Utf8Text(std::wstring_view wide) {
  const int length = LengthOf(wide.size());
  const int needed =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(std::max(needed, 0)), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, utf8.data(), needed, nullptr, nullptr);
  return utf8;
}

}  // namespace gpsclock
