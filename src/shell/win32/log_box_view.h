// The log view text1 in its read-only edit control: it shows the model's log, heading and lines.
#pragma once

#include <windows.h>

#include <cstdint>

#include "elements/window_elements.h"

namespace gpsclock {

class LogBoxView {
 public:
  explicit LogBoxView(HWND box) : box_(box) {}
  // Appends only the lines the model gained since the last draw, and lets go of the oldest ones
  // the model let go of, so a long-running log costs the same at every append.
  void Draw(const LogView& log);

 private:
  HWND box_;
  std::uint64_t drawnCount_ = 0;
  bool drawn_ = false;
};

}  // namespace gpsclock
