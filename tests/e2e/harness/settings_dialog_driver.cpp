// The buttons are found where the dialog's design places them, in pixels of its client area at
// 15 twips a pixel; without a window manager the client area is the whole window.
#include "harness/settings_dialog_driver.h"

#include <thread>

#include "harness/x_display.h"

namespace gpsclock::e2e {
namespace {

constexpr char kTitlePattern[] = "^Zelvaro电子 GPS卫星时钟微机对时配置$";
// The middle of Command1 (3240, 2280, 972, 372 twips) and of Command2 (4680, 2280, 972, 372).
constexpr int kOkX = 248;
constexpr int kCancelX = 344;
constexpr int kButtonY = 164;
constexpr std::chrono::milliseconds kPollInterval{20};

}  // namespace

bool SettingsDialogDriver::WaitForDialog(std::chrono::milliseconds timeout) {
  const auto found = WaitForShownWindow(display_, kTitlePattern, timeout);
  if (found) window_ = *found;
  return found.has_value();
}

bool SettingsDialogDriver::Shown() const {
  return ShownWindow(display_, kTitlePattern).has_value();
}

bool SettingsDialogDriver::WaitForClose(std::chrono::milliseconds timeout) const {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (Shown()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(kPollInterval);
  }
  return true;
}

bool SettingsDialogDriver::PressOk() const {
  return ClickAt(kOkX, kButtonY);
}

bool SettingsDialogDriver::PressCancel() const {
  return ClickAt(kCancelX, kButtonY);
}

bool SettingsDialogDriver::ClickAt(int x, int y) const {
  return RunOnDisplay(display_, {"xdotool", "mousemove", "--window", window_, std::to_string(x),
                                 std::to_string(y), "click", "1"})
      .has_value();
}

}  // namespace gpsclock::e2e
