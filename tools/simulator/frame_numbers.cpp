// Frames are numbered from 1, the first frame sent.
#include "frame_numbers.h"

#include <charconv>

namespace gpsclock::simulator {
namespace {

std::optional<std::int64_t> ParseFrameNumber(std::string_view text) {
  std::int64_t number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size() || number < 1) return {};
  return number;
}

}  // namespace

std::optional<FrameNumbers> FrameNumbers::Parse(std::string_view text) {
  FrameNumbers numbers;
  if (text == "all") {
    numbers.all_ = true;
    return numbers;
  }
  while (true) {
    const std::size_t comma = text.find(',');
    const std::string_view item = text.substr(0, comma);
    const std::size_t dash = item.find('-');
    const auto first = ParseFrameNumber(item.substr(0, dash));
    const auto last =
        dash == std::string_view::npos ? first : ParseFrameNumber(item.substr(dash + 1));
    if (!first || !last || *last < *first) return {};
    numbers.ranges_.emplace_back(*first, *last);
    if (comma == std::string_view::npos) return numbers;
    text.remove_prefix(comma + 1);
  }
}

bool FrameNumbers::Contains(std::int64_t frameNumber) const {
  if (all_) return true;
  for (const auto& [first, last] : ranges_) {
    if (frameNumber >= first && frameNumber <= last) return true;
  }
  return false;
}

}  // namespace gpsclock::simulator
