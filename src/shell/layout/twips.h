// The windows are designed in twips (1/1440 inch): 15 twips make one pixel at 96 dots per inch,
// and a screen of another density scales the same numbers.
#pragma once

namespace gpsclock {

inline constexpr int kTwipsPerInch = 1440;
// The density the design's pixel figures refer to.
inline constexpr int kDesignDpi = 96;

struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

struct TwipsSize {
  int width;
  int height;
};

struct TwipsPoint {
  int left;
  int top;
};

struct PixelRect {
  int left;
  int top;
  int width;
  int height;
};

// Rounds to the nearest pixel, a half up: at 96 dpi 1452 twips are 97 pixels.
constexpr int TwipsToPixels(int twips, int dpi = kDesignDpi) {
  return (2 * twips * dpi + kTwipsPerInch) / (2 * kTwipsPerInch);
}

// Each figure is rounded by itself, so elements of the same size stay the same size.
constexpr PixelRect TwipsToPixels(const TwipsRect& rect, int dpi = kDesignDpi) {
  return {TwipsToPixels(rect.left, dpi), TwipsToPixels(rect.top, dpi),
          TwipsToPixels(rect.width, dpi), TwipsToPixels(rect.height, dpi)};
}

}  // namespace gpsclock
