// QTimer restarts its countdown on start() and on setInterval() alike; only the latter is wanted.
#include "platform/qt/qt_ui_timer.h"

namespace gpsclock {

QtUiTimer::QtUiTimer(int intervalMs, bool enabled) {
  timer_.setTimerType(Qt::PreciseTimer);
  timer_.setInterval(intervalMs);
  QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
    if (handler_) handler_();
  });
  if (enabled) timer_.start();
}

void QtUiTimer::Enable() {
  if (!timer_.isActive()) timer_.start();
}

}  // namespace gpsclock
