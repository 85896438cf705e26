// UTF-8 to UTF-16 to code page 936, the platform's encoder on Windows.
#include "platform/win32/code_page_text_encoder.h"

#include <windows.h>

#include "platform/gbk_encoder.h"
#include "platform/win32/wide_text.h"

namespace gpsclock {

std::optional<std::string> CodePageTextEncoder::Utf8ToGbk(std::string_view utf8) const {
  const auto wide = ToWide(CP_UTF8, utf8);
  if (!wide) return {};
  return FromWide(kGbkCodePage, *wide);
}

const TextEncoder& PlatformGbkEncoder() {
  static const CodePageTextEncoder encoder;
  return encoder;
}

}  // namespace gpsclock
