// A notification area on the tests' X display: trayer, which embeds the program's tray icon as a
// window of the program's own, so that the tests can press and release buttons over it.
#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "harness/child_process.h"

namespace gpsclock::e2e {

class NotificationArea {
 public:
  // Starts trayer on `display` and waits until its panel is shown.
  NotificationArea(const std::string& display, const std::string& folder);

  bool Shown() const { return shown_; }
  // Ends trayer: the notification area goes away.
  void Close() { panel_.Stop(); }

 private:
  ChildProcess panel_;
  bool shown_ = false;
};

// The program's tray icon, once one is shown on `display` within `timeout`: while the program's
// window is hidden, the icon is the program's only shown window.
std::optional<std::string> WaitForTrayIcon(const std::string& display,
                                           std::chrono::milliseconds timeout);
// Presses or releases mouse button `button` at the middle of the icon.
bool PressOverIcon(const std::string& display, const std::string& icon, int button);
bool ReleaseOverIcon(const std::string& display, const std::string& icon, int button);

}  // namespace gpsclock::e2e
