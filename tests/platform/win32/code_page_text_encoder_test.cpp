// Code page 936 gives the program's texts the same GBK bytes as glibc iconv, which the build
// machine wrote beside this test.
#include "platform/win32/code_page_text_encoder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

namespace gpsclock {
namespace {

std::vector<std::string> LinesOf(const char* path) {
  std::ifstream file(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  return lines;
}

TEST(CodePageTextEncoderTest, GivesIconvsBytesForEveryNamedTextOfTheCore) {
  const auto utf8 = LinesOf(GPSCLOCK_PROGRAM_TEXTS_UTF8);
  const auto gbk = LinesOf(GPSCLOCK_PROGRAM_TEXTS_GBK);
  ASSERT_GE(utf8.size(), 20u) << "the core's named texts were not found";
  ASSERT_EQ(gbk.size(), utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    EXPECT_EQ(CodePageTextEncoder().Utf8ToGbk(utf8[i]), gbk[i]) << utf8[i];
  }
}

}  // namespace
}  // namespace gpsclock
