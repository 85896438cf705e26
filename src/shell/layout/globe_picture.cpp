// XPM kept to what the globe uses: a header, one character a pixel, colours #RRGGBB or None.
#include "shell/layout/globe_picture.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string_view>

namespace gpsclock {
namespace {

// "width height colours characters-per-pixel".
std::optional<std::array<int, 4>> ReadHeader(std::string_view line) {
  std::array<int, 4> numbers{};
  const char* at = line.data();
  const char* const end = at + line.size();
  for (int& number : numbers) {
    while (at < end && *at == ' ') ++at;
    const auto [next, error] = std::from_chars(at, end, number);
    if (error != std::errc() || number < 0) return {};
    at = next;
  }
  return numbers;
}

// "#RRGGBB" becomes blue * 65536 + green * 256 + red.
std::optional<Colour> ReadRgb(std::string_view value) {
  constexpr std::size_t kLength = 7;
  std::uint32_t rgb = 0;
  if (value.size() != kLength || value[0] != '#' ||
      std::from_chars(value.data() + 1, value.data() + kLength, rgb, 16).ptr !=
          value.data() + kLength) {
    return {};
  }
  return (rgb & 0xFF) << 16 | (rgb & 0xFF00) | rgb >> 16;
}

}  // namespace

std::optional<PixelPicture> ReadXpm(std::span<const char* const> xpm) {
  if (xpm.empty()) return {};
  const auto header = ReadHeader(xpm[0]);
  if (!header) return {};
  const auto [width, height, colours, charactersPerPixel] = *header;
  if (charactersPerPixel != 1) return {};
  const auto rows = static_cast<std::size_t>(height);
  const auto firstRow = 1 + static_cast<std::size_t>(colours);
  if (xpm.size() != firstRow + rows) return {};

  std::map<char, std::optional<Colour>> palette;
  for (std::size_t i = 1; i < firstRow; ++i) {
    const std::string_view line = xpm[i];
    if (line.size() < 4 || line.substr(1, 3) != " c ") return {};
    const std::string_view value = line.substr(4);
    if (value == "None") {
      palette[line[0]] = std::nullopt;
      continue;
    }
    const std::optional<Colour> colour = ReadRgb(value);
    if (!colour) return {};
    palette[line[0]] = colour;
  }
  PixelPicture picture{width, height, {}};
  for (std::size_t row = firstRow; row < xpm.size(); ++row) {
    const std::string_view pixels = xpm[row];
    if (pixels.size() != static_cast<std::size_t>(width)) return {};
    for (const char pixel : pixels) {
      const auto found = palette.find(pixel);
      if (found == palette.end()) return {};
      picture.pixels.push_back(found->second);
    }
  }
  return picture;
}

}  // namespace gpsclock
