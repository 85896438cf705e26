// Scans sign, digits, fraction and exponent while skipping blanks, then rounds half to even.
#include "config/number_conversion.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace gpsclock {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Copies the leading number of `text` without its blanks, in a form from_chars reads.
class NumberScanner {
 public:
  explicit NumberScanner(std::string_view text) : text_(text) {}

  std::string Scan() {
    std::string number;
    if (Peek() == '+' || Peek() == '-') number += Take();
    const std::size_t digitsBefore = AppendDigits(number);
    std::size_t digitsAfter = 0;
    if (Peek() == '.') {
      number += Take();
      digitsAfter = AppendDigits(number);
    }
    if (digitsBefore + digitsAfter == 0) return "0";
    AppendExponent(number);
    return number;
  }

 private:
  char Peek() {
    while (position_ < text_.size() && IsBlank(text_[position_])) ++position_;
    return position_ < text_.size() ? text_[position_] : '\0';
  }
  char Take() { return text_[position_++]; }

  std::size_t AppendDigits(std::string& number) {
    std::size_t count = 0;
    for (; IsDigit(Peek()); ++count) number += Take();
    return count;
  }

  // An exponent counts only when digits follow its letter and sign.
  void AppendExponent(std::string& number) {
    const char letter = Peek();
    if (letter != 'e' && letter != 'E' && letter != 'd' && letter != 'D') return;
    const std::size_t rewind = position_;
    Take();
    std::string exponent = "e";
    if (Peek() == '+' || Peek() == '-') exponent += Take();
    if (AppendDigits(exponent) == 0) {
      position_ = rewind;
      return;
    }
    number += exponent;
  }

  std::string_view text_;
  std::size_t position_ = 0;
};

// Whether a scanned number is 1 or more in size: its first significant digit stands before the
// point once the exponent is applied. When a double cannot hold the number, this tells too large
// from too small, whether the digits or the exponent put it out of range.
bool IsOneOrMore(std::string_view number) {
  const std::size_t exponentAt = number.find('e');
  const std::string_view mantissa = number.substr(0, exponentAt);
  const std::size_t firstSignificant = mantissa.find_first_of("123456789");
  if (firstSignificant == std::string_view::npos) return false;
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  // Integer digits from the first significant one, or minus the zeros after the point before it.
  long long order = firstSignificant < point
                        ? static_cast<long long>(point - firstSignificant)
                        : -static_cast<long long>(firstSignificant - point - 1);
  if (exponentAt != std::string_view::npos) {
    std::string_view exponent = number.substr(exponentAt + 1);
    const bool negative = !exponent.empty() && exponent.front() == '-';
    if (!exponent.empty() && (exponent.front() == '-' || exponent.front() == '+')) {
      exponent.remove_prefix(1);
    }
    constexpr long long kFarBeyondAnyDouble = 1'000'000;
    long long magnitude = 0;
    for (const char digit : exponent) {
      magnitude = std::min(kFarBeyondAnyDouble, magnitude * 10 + (digit - '0'));
    }
    order += negative ? -magnitude : magnitude;
  }
  return order > 0;
}

}  // namespace

std::optional<std::int16_t> ConvertNumber(std::string_view text) {
  std::string number = NumberScanner(text).Scan();
  if (number.front() == '+') number.erase(0, 1);
  double value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  // Too small for a double rounds to 0; too large fails.
  if (error == std::errc::result_out_of_range) {
    if (IsOneOrMore(number)) return {};
    return std::int16_t{0};
  }
  if (error != std::errc() || end != number.data() + number.size()) return std::int16_t{0};
  const double rounded = std::nearbyint(value);  // the default rounding mode: half to even
  if (!(rounded >= -32768.0 && rounded <= 32767.0)) return {};
  return static_cast<std::int16_t>(rounded);
}

void AssignConverted(std::int16_t& target, std::string_view text) {
  if (const auto value = ConvertNumber(text)) target = *value;
}

}  // namespace gpsclock
