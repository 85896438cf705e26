// Conversion of the program's UTF-8 texts to the GBK bytes (code page 936) of its text files.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace gpsclock {

class TextEncoder {
 public:
  virtual ~TextEncoder() = default;
  // Nothing when the text holds a character GBK cannot represent.
  virtual std::optional<std::string> Utf8ToGbk(std::string_view utf8) const = 0;
};

}  // namespace gpsclock
