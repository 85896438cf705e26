// Drives the settings dialog (串口设置) from outside as a user would, clicking its buttons with
// the mouse (xdotool).
#pragma once

#include <chrono>
#include <string>

namespace gpsclock::e2e {

class SettingsDialogDriver {
 public:
  explicit SettingsDialogDriver(std::string display) : display_(std::move(display)) {}

  // Whether the dialog has been shown within `timeout`.
  bool WaitForDialog(std::chrono::milliseconds timeout);
  // Whether the dialog is shown at this moment.
  bool Shown() const;
  // Whether it has been closed (hidden) within `timeout`.
  bool WaitForClose(std::chrono::milliseconds timeout) const;
  // Clicks 确   定 (Command1) or 取   消 (Command2).
  bool PressOk() const;
  bool PressCancel() const;

 private:
  bool ClickAt(int x, int y) const;

  std::string display_;
  std::string window_;
};

}  // namespace gpsclock::e2e
