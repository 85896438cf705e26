// MultiByteToWideChar and WideCharToMultiByte with every error reported, never a replacement
// character.
#include "platform/win32/wide_text.h"

#include <windows.h>

#include <limits>

namespace gpsclock {
namespace {

bool FitsInInt(std::size_t size) {
  return size <= static_cast<std::size_t>(std::numeric_limits<int>::max());
}

}  // namespace

std::optional<std::wstring> ToWide(unsigned codePage, std::string_view bytes) {
  if (bytes.empty()) return std::wstring();
  if (!FitsInInt(bytes.size())) return {};
  const int length = static_cast<int>(bytes.size());
  const int needed =
      MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), length, nullptr, 0);
  if (needed <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(needed), L'\0');
  if (MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), length, wide.data(),
                          needed) != needed) {
    return {};
  }
  return wide;
}

std::optional<std::string> FromWide(unsigned codePage, std::wstring_view wide) {
  if (wide.empty()) return std::string();
  if (!FitsInInt(wide.size())) return {};
  const int length = static_cast<int>(wide.size());
  // UTF-8 reports a character it cannot hold (a lone surrogate) as an error; other code pages put
  // in their default character and say so.
  const bool utf8 = codePage == CP_UTF8;
  const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL usedDefault = FALSE;
  BOOL* const usedDefaultOut = utf8 ? nullptr : &usedDefault;
  const int needed = WideCharToMultiByte(codePage, flags, wide.data(), length, nullptr, 0, nullptr,
                                         usedDefaultOut);
  if (needed <= 0 || usedDefault) return {};
  std::string bytes(static_cast<std::size_t>(needed), '\0');
  if (WideCharToMultiByte(codePage, flags, wide.data(), length, bytes.data(), needed, nullptr,
                          usedDefaultOut) != needed ||
      usedDefault) {
    return {};
  }
  return bytes;
}

}  // namespace gpsclock
