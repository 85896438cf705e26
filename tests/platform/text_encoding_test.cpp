// The GBK bytes written to the program's text files, from the platform's own encoder.
#include "platform/gbk_encoder.h"

#include <gtest/gtest.h>

namespace gpsclock {
namespace {

TEST(TextEncodingTest, ConvertsToGbkBytes) {
  const struct {
    const char* utf8;
    std::string gbk;
  } cases[] = {
      {"跟踪记录", "\xB8\xFA\xD7\xD9\xBC\xC7\xC2\xBC"},
      {"年", "\xC4\xEA"},
      {"2024年7月",
       "2024\xC4\xEA"
       "7\xD4\xC2"},
      {"config.cfg 12:00:00 A", "config.cfg 12:00:00 A"},
      {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(PlatformGbkEncoder().Utf8ToGbk(c.utf8), c.gbk);
  }
}

TEST(TextEncodingTest, RejectsWhatGbkCannotHold) {
  const char* const cases[] = {"😀", "年😀", "\xFF", "\xE5\xB9"};
  for (const char* utf8 : cases) {
    SCOPED_TRACE(utf8);
    EXPECT_EQ(PlatformGbkEncoder().Utf8ToGbk(utf8), std::nullopt);
  }
}

}  // namespace
}  // namespace gpsclock
