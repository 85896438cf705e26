// Without a window means on a platform plugin that draws nowhere a user could see.
#include "shell/without_window.h"

#include <QGuiApplication>

namespace gpsclock {

bool RunsWithoutWindow() {
  const QString platform = QGuiApplication::platformName();
  return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

}  // namespace gpsclock
