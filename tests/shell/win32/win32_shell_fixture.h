// The program on the simulated platform, its files in a fresh folder, with its real Win32
// windows, driven through the messages a user's clicks and keys send.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "platform/temp_directory.h"
#include "platform/win32/win32_directory_files.h"
#include "shell/layout/main_window_design.h"
#include "shell/win32/desktop_shell.h"
#include "support/fake_notification_icon.h"
#include "support/simulated_platform.h"

namespace gpsclock {

class Win32ShellTest : public ::testing::Test {
 protected:
  // Writes `config` as config.cfg (none when empty), makes the windows, runs the start-up with the
  // PC clock at `pcTime` and shows the main window.
  void Start(const std::string& config = "", Nanoseconds pcTime = 0);
  // A menu command, as the menu bar sends it.
  void Click(MainMenuItem item);
  // Handles every waiting message as the program's loop does; the exit code of a WM_QUIT among
  // them.
  std::optional<int> HandleMessages();
  std::string MenuCaption(MainMenuItem item);

  HWND Form1() { return shell->Form1().Handle(); }
  HWND Form2() { return shell->Form2().Handle(); }

  SimulatedPlatform platform;
  TempDirectory folder;
  Win32DirectoryFiles files{folder.Path()};
  Program program{{platform.serial, platform.clock, platform.Timer1, platform.Timer2,
                   platform.SignalWatch, platform.PortRetry, files, platform.encoder,
                   platform.samples}};
  FakeNotificationIcon trayIcon;
  std::unique_ptr<DesktopShell> shell;
};

// A control of a built window by its element id, as the builder numbers them.
template <typename Id>
HWND Control(HWND window, Id id) {
  return GetDlgItem(window, kFirstControlId + IndexOf(id));
}

// A button clicked with the mouse.
inline void Press(HWND button) {
  SendMessageW(button, BM_CLICK, 0, 0);
}

inline std::string TextOf(HWND control) {
  return Win32Control(control).Text();
}

}  // namespace gpsclock
