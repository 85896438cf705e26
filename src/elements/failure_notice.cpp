// The notice's latch.
#include "elements/failure_notice.h"

#include <string>

namespace gpsclock {

void FailureNotice::Record(bool succeeded, LogView& logView) {
  if (succeeded) {
    shown_ = false;
    return;
  }
  if (shown_) return;
  logView.AppendLine(std::string(text_));
  shown_ = true;
}

}  // namespace gpsclock
