// GBK through Windows' code page 936.
#pragma once

#include "platform/text_encoding.h"

namespace gpsclock {

class CodePageTextEncoder : public TextEncoder {
 public:
  std::optional<std::string> Utf8ToGbk(std::string_view utf8) const override;
};

}  // namespace gpsclock
