// The configuration file's number conversion: leading number, blanks, rounding, 16-bit range.
#include "config/number_conversion.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace gpsclock {
namespace {

constexpr std::int16_t kPrevious = 77;

struct ConversionCase {
  const char* name;
  std::string text;
  std::optional<std::int16_t> value;  // nothing: the conversion fails

  friend void PrintTo(const ConversionCase& c, std::ostream* out) { *out << c.name; }
};

class NumberConversion : public testing::TestWithParam<ConversionCase> {};

TEST_P(NumberConversion, ConvertsOrKeepsThePreviousValue) {
  const ConversionCase& c = GetParam();
  EXPECT_EQ(ConvertNumber(c.text), c.value);
  std::int16_t target = kPrevious;
  AssignConverted(target, c.text);
  EXPECT_EQ(target, c.value.value_or(kPrevious));
}

const std::string k400Zeros(400, '0');

INSTANTIATE_TEST_SUITE_P(
    Texts, NumberConversion,
    testing::Values(
        ConversionCase{"Whole", "4", 4}, ConversionCase{"HalfRoundsDownToEven", "2.5", 2},
        ConversionCase{"HalfRoundsUpToEven", "3.5", 4},
        ConversionCase{"NegativeHalfRoundsToEven", "-2.5", -2},
        ConversionCase{"AboveHalfRoundsUp", "2.51", 3},
        ConversionCase{"NotANumberGivesZero", "x", 0}, ConversionCase{"EmptyGivesZero", "", 0},
        ConversionCase{"SignAloneGivesZero", "-", 0}, ConversionCase{"PointAloneGivesZero", ".", 0},
        ConversionCase{"TooLargeFails", "99999", std::nullopt},
        ConversionCase{"LargestFits", "32767", 32767},
        ConversionCase{"OneAboveTheLargestFails", "32768", std::nullopt},
        ConversionCase{"SmallestFits", "-32768", -32768},
        ConversionCase{"OneBelowTheSmallestFails", "-32769", std::nullopt},
        ConversionCase{"RoundingPastTheLargestFails", "32767.5", std::nullopt},
        ConversionCase{"RoundingToTheSmallestFits", "-32768.5", -32768},
        ConversionCase{"BlanksAnywhereIgnored", " 1 2 ", 12},
        ConversionCase{"BlankAfterSignIgnored", "- 3", -3},
        ConversionCase{"TabsIgnored", "\t5\t", 5}, ConversionCase{"Exponent", "1e3", 1000},
        ConversionCase{"CapitalExponent", "2E2", 200},
        ConversionCase{"ExponentWithSign", "5e+1", 50},
        ConversionCase{"NegativeExponent", "25e-1", 2},
        ConversionCase{"ExponentLetterWithoutDigitsEndsTheNumber", "1e", 1},
        ConversionCase{"ExponentSignWithoutDigitsEndsTheNumber", "1e+x", 1},
        ConversionCase{"ExponentOutOfRangeFails", "1e5", std::nullopt},
        ConversionCase{"PlusSign", "+7", 7}, ConversionCase{"TrailingTextIgnored", "12abc", 12},
        ConversionCase{"SecondNumberIgnored", "3,4", 3},
        ConversionCase{"FractionWithoutIntegerPart", ".5", 0},
        ConversionCase{"FractionWithoutDigitsAfterThePoint", "6.", 6},
        ConversionCase{"FractionAndExponent", "1.5e1", 15},
        ConversionCase{"LeadingZeros", "007", 7},
        ConversionCase{"TooSmallToRepresentGivesZero", "1e-400", 0},
        ConversionCase{"TooLargeToRepresentFails", "1e400", std::nullopt},
        ConversionCase{"NegativeTooLargeToRepresentFails", "-1e400", std::nullopt},
        // Out of the range of a double by its digits alone, not by the exponent's sign.
        ConversionCase{"TinyByItsDigitsGivesZero", "0." + k400Zeros + "1", 0},
        ConversionCase{"HugeDespiteANegativeExponentFails", "1" + k400Zeros + "e-1", std::nullopt}),
    [](const testing::TestParamInfo<ConversionCase>& info) { return info.param.name; });

}  // namespace
}  // namespace gpsclock
