// Layouts are designed in twips; 15 twips make one device-independent pixel.
#pragma once

#include <QRect>

namespace gpsclock {

inline constexpr int kTwipsPerPixel = 15;

struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

// Rounds to the nearest pixel: 1452 twips are 97 pixels.
constexpr int TwipsToPixels(int twips) {
  return (2 * twips + kTwipsPerPixel) / (2 * kTwipsPerPixel);
}

inline QRect TwipsToPixels(const TwipsRect& rect) {
  return {TwipsToPixels(rect.left), TwipsToPixels(rect.top), TwipsToPixels(rect.width),
          TwipsToPixels(rect.height)};
}

}  // namespace gpsclock
