// GBK through glibc iconv.
#pragma once

#include "platform/text_encoding.h"

namespace gpsclock {

class IconvTextEncoder : public TextEncoder {
 public:
  std::optional<std::string> Utf8ToGbk(std::string_view utf8) const override;
};

}  // namespace gpsclock
