// Drives the program's main window from outside as a user would, with the keyboard (xdotool), and
// reads its log view through the X selection.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace gpsclock::e2e {

class MainWindowDriver {
 public:
  explicit MainWindowDriver(std::string display) : display_(std::move(display)) {}

  // Whether the main window has been shown within `timeout`.
  bool WaitForWindow(std::chrono::milliseconds timeout);
  // Chooses the top-level menu command at `position` (0 is 文件) through the keyboard: Alt, then
  // Right arrow `position` times, then Enter.
  bool ChooseMenuCommand(int position);
  // 文件 > 隐藏: hides the window to the tray.
  bool HideToTray();
  // The whole text of the log view text1 in UTF-8: selected with Ctrl+A, which on X puts it in
  // the PRIMARY selection, and read from there.
  std::optional<std::string> LogViewText();

 private:
  std::string display_;
  std::string window_;
};

// The main window's title begins with these letters; no other shown window's does, but for the
// program's message box, whose title is the same.
inline constexpr char kMainWindowTitlePattern[] = "^GPS";

// The positions of 串口设置 and of 串口连接 / 断开串口 in the menu bar.
inline constexpr int kSetPortMenuPosition = 1;
inline constexpr int kDisconnectMenuPosition = 2;

}  // namespace gpsclock::e2e
