// A failure shown as one line in the log view at its first occurrence, and again only after a
// success came in between, so a lasting fault does not flood the view.
#pragma once

#include <string_view>

#include "elements/window_elements.h"

namespace gpsclock {

class FailureNotice {
 public:
  explicit FailureNotice(std::string_view text) : text_(text) {}
  void Record(bool succeeded, LogView& logView);

 private:
  std::string_view text_;
  bool shown_ = false;
};

}  // namespace gpsclock
