// The window model's colours (blue * 65536 + green * 256 + red) as Qt colours.
#pragma once

#include <QColor>

#include "elements/window_elements.h"

namespace gpsclock {

inline QColor ToQColor(Colour colour) {
  return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

}  // namespace gpsclock
