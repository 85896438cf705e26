// The program on the simulated platform with its real windows, as the user meets them.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <functional>
#include <memory>
#include <string>

#include "shell/desktop_shell.h"
#include "support/fake_notification_icon.h"
#include "support/simulated_platform.h"

namespace gpsclock {

class ShellTest : public ::testing::Test {
 protected:
  // Creates the windows and runs the start-up with `config` as config.cfg (none when empty) and
  // the PC clock at `pcTime`.
  void Start(const std::string& config = "", Nanoseconds pcTime = 0);
  // Clicks a menu command, as the user does in the menu bar or the File menu.
  void Click(const char* menuItem);

  MainWindow& Form1() { return shell->Form1(); }
  SettingsWindow& Form2() { return shell->Form2(); }
  template <typename T>
  T* Find(QWidget& window, const char* name) {
    T* found = window.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }

  SimulatedProgram simulated;
  Program& program = simulated.program;
  SimulatedPlatform& platform = simulated.platform;
  FakeNotificationIcon trayIcon;
  std::unique_ptr<DesktopShell> shell;
};

inline constexpr int kTimeLimitExitCode = 99;

// Runs the event loop until `action` ends it or `limitMs` passed; gives exec()'s return code,
// kTimeLimitExitCode when the time ran out.
int RunEventLoop(const std::function<void()>& action, int limitMs = 2000);

}  // namespace gpsclock
