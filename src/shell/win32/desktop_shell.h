// The program's windows on the desktop: the main window and the settings dialog, redrawn from the
// core's models at the end of every event, and the thread's message loop that drives them.
#pragma once

#include <windows.h>

#include "platform/notification_icon.h"
#include "receiver/program.h"
#include "shell/win32/main_window.h"
#include "shell/win32/settings_window.h"

namespace gpsclock {

class DesktopShell {
 public:
  // Before the program's start-up, which loads the settings dialog hidden.
  DesktopShell(Program& program, NotificationIcon& trayIcon);
  ~DesktopShell();
  DesktopShell(const DesktopShell&) = delete;
  DesktopShell& operator=(const DesktopShell&) = delete;

  MainWindow& Form1() { return form1_; }
  SettingsWindow& Form2() { return form2_; }

  // One message of the thread's queue: an open dialog's keys (Tab, Enter, Esc, access keys) go
  // to that dialog, everything else to the window it is for.
  void Dispatch(MSG& message);
  // Until the program ends (exit, closing the main window, the end of the session); the
  // program's exit code.
  int RunMessageLoop();

 private:
  Program& program_;
  SettingsWindow form2_;
  MainWindow form1_;
};

}  // namespace gpsclock
