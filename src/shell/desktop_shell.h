// The program's windows on the desktop: the main window and the settings dialog, redrawn from
// the core's models at the end of every event.
#pragma once

#include "platform/notification_icon.h"
#include "receiver/program.h"
#include "shell/main_window.h"
#include "shell/settings_window.h"

namespace gpsclock {

class DesktopShell {
 public:
  // Call after SetUpApplication and before the program's start-up, which loads the settings
  // dialog hidden.
  DesktopShell(Program& program, NotificationIcon& trayIcon);
  ~DesktopShell();
  DesktopShell(const DesktopShell&) = delete;
  DesktopShell& operator=(const DesktopShell&) = delete;

  MainWindow& Form1() { return form1_; }
  SettingsWindow& Form2() { return form2_; }

 private:
  Program& program_;
  SettingsWindow form2_;
  MainWindow form1_;
};

}  // namespace gpsclock
