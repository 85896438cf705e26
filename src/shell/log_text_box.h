// The log view text1: a read-only text box with both scroll bars that shows the model's log.
#pragma once

#include <QPlainTextEdit>
#include <cstdint>

#include "elements/window_elements.h"

namespace gpsclock {

class LogTextBox : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit LogTextBox(QWidget* parent);
  // Appends only the lines the model gained since the last draw, and lets go of the oldest ones
  // the model let go of, so a long-running log costs the same at every append.
  void Draw(const LogView& log);

 private:
  std::uint64_t drawnCount_ = 0;
  bool drawn_ = false;
};

}  // namespace gpsclock
