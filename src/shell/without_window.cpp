// The port is tried again only when config.cfg names one (a port number 1..8 at a speed of the
// table): without that file nothing but the settings dialog could give one.
#include "shell/without_window.h"

#include <sysexits.h>

#include <QGuiApplication>
#include <cstdio>

namespace gpsclock {

bool RunsWithoutWindow() {
  const QString platform = QGuiApplication::platformName();
  return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

std::optional<int> EndWithoutPort(const PortControl& port) {
  if (!RunsWithoutWindow() || !port.PortClosed() || port.Retrying()) return std::nullopt;
  std::fprintf(stderr, "gpsclock: %s\n", kNoPortWithoutWindowText);
  return EX_CONFIG;
}

}  // namespace gpsclock
