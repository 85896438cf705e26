// UTF-8 to GBK through glibc iconv, the platform's encoder on Linux.
#include "platform/posix/iconv_text_encoder.h"

#include <iconv.h>

#include <cerrno>

#include "platform/gbk_encoder.h"

namespace gpsclock {

std::optional<std::string> IconvTextEncoder::Utf8ToGbk(std::string_view utf8) const {
  iconv_t converter = iconv_open("GBK", "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) return {};
  // GBK never takes more bytes than UTF-8 for the same text.
  std::string gbk(utf8.size(), '\0');
  char* in = const_cast<char*>(utf8.data());
  std::size_t inLeft = utf8.size();
  char* out = gbk.data();
  std::size_t outLeft = gbk.size();
  const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
  iconv_close(converter);
  if (result == static_cast<std::size_t>(-1) || inLeft != 0) return {};
  gbk.resize(gbk.size() - outLeft);
  return gbk;
}

const TextEncoder& PlatformGbkEncoder() {
  static const IconvTextEncoder encoder;
  return encoder;
}

}  // namespace gpsclock
