// A failure shown as one line in the log view at its first occurrence, and again only after a
// success came in between, so a lasting fault does not flood the view.
#pragma once

#include <string_view>

#include "receiver/window_model.h"

namespace gpsclock {

class FailureNotice {
 public:
  explicit FailureNotice(std::string_view text) : text_(text) {}
  void Record(bool succeeded, LogView& logView);

 private:
  std::string_view text_;
  bool shown_ = false;
};

inline constexpr std::string_view kLogWriteFailedText = "跟踪记录文件写入失败";
inline constexpr std::string_view kClockSetFailedText = "系统时间设置失败";

}  // namespace gpsclock
