// A set of frame numbers written as "all" or as numbers and ranges: "3", "2,5-9,12".
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace gpsclock::simulator {

class FrameNumbers {
 public:
  static std::optional<FrameNumbers> Parse(std::string_view text);
  bool Contains(std::int64_t frameNumber) const;

 private:
  bool all_ = false;
  std::vector<std::pair<std::int64_t, std::int64_t>> ranges_;  // first and last, both included
};

}  // namespace gpsclock::simulator
