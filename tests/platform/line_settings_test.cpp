// The settings text every serial layer takes, accepted and rejected forms.
#include "platform/line_settings.h"

#include <gtest/gtest.h>

namespace gpsclock {
namespace {

TEST(LineSettingsTest, ReadsEachField) {
  const struct {
    const char* text;
    LineSettings expected;
  } cases[] = {
      {"9600,n,8,1", {9600, Parity::kNone, 8, 1}},
      {"115200,E,7,2", {115200, Parity::kEven, 7, 2}},
      {"4800,o,5,1", {4800, Parity::kOdd, 5, 1}},
      {"110,M,6,2", {110, Parity::kMark, 6, 2}},
      {"14400,s,8,1", {14400, Parity::kSpace, 8, 1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseLineSettings(c.text), c.expected);
  }
}

TEST(LineSettingsTest, RejectsMalformedText) {
  const char* const cases[] = {
      "",
      ",n,8,1",
      "abc,n,8,1",
      "9600,x,8,1",
      "9601,n,8,1",
      "0,n,8,1",
      "-9600,n,8,1",
      "+9600,n,8,1",
      "9600.0,n,8,1",
      "9600,n,8",
      "9600",
      "9600,n,8,1,",
      "9600,n,8,1,1",
      "9600,,8,1",
      "9600,nn,8,1",
      "9600,n,4,1",
      "9600,n,9,1",
      "9600,n,8,0",
      "9600,n,8,3",
      "9600,n,8,1.5",
      " 9600,n,8,1",
      "9600,n,8,1 ",
  };
  for (const char* text : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(ParseLineSettings(text), std::nullopt);
  }
}

}  // namespace
}  // namespace gpsclock
