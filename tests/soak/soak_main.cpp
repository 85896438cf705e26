// The soak's command line: soak [--days N] [--seed S].
#include <charconv>
#include <cstring>
#include <iostream>
#include <string_view>

#include "soak/soak.h"

namespace {

template <typename Number>
bool ParseNumber(const char* text, Number& value) {
  const char* end = text + std::strlen(text);
  const auto [stop, error] = std::from_chars(text, end, value);
  return error == std::errc() && stop == end;
}

}  // namespace

int main(int argc, char** argv) {
  gpsclock::SoakOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string_view option = argv[i];
    const char* value = i + 1 < argc ? argv[++i] : "";
    const bool parsed =
        (option == "--days" && ParseNumber(value, options.days) && options.days > 0) ||
        (option == "--seed" && ParseNumber(value, options.seed));
    if (!parsed) {
      std::cerr << "usage: soak [--days N] [--seed S]\n";
      return 2;
    }
  }
  gpsclock::Soak soak(options);
  return soak.Run(std::cout) ? 0 : 1;
}
