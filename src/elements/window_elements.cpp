// The log view's bounded line list and its text.
#include "elements/window_elements.h"

namespace gpsclock {

void LogView::AppendLine(std::string line) {
  lines_.push_back(std::move(line));
  if (lines_.size() > kMaxLines) lines_.pop_front();
  ++appendedCount_;
  Touch();
}

std::string LogView::Text() const {
  std::string text = heading_ + "\r\n";
  for (const std::string& line : lines_) {
    text += "\r\n";
    text += line;
  }
  return text;
}

}  // namespace gpsclock
