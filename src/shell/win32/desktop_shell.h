// The program's windows on the desktop as Win32 windows, and the thread's message loop that drives
// them.
#pragma once

#include <windows.h>

#include "shell/desktop_windows.h"
#include "shell/win32/main_window.h"
#include "shell/win32/settings_window.h"

namespace gpsclock {

class DesktopShell : public DesktopWindows<MainWindow, SettingsWindow> {
 public:
  using DesktopWindows::DesktopWindows;

  // One message of the thread's queue: an open dialog's keys (Tab, Enter, Esc, access keys) go
  // to that dialog, everything else to the window it is for.
  void Dispatch(MSG& message);
  // Until the program ends (exit, closing the main window, the end of the session); the
  // program's exit code.
  int RunMessageLoop();
};

}  // namespace gpsclock
