// The program's two windows on the desktop, whichever toolkit builds them: the settings dialog
// made first, since the main window's menu opens it, and both redrawn from the core's models at
// the end of every event.
#pragma once

#include "platform/notification_icon.h"
#include "receiver/program.h"

namespace gpsclock {

template <typename MainWindowType, typename SettingsWindowType>
class DesktopWindows {
 public:
  // Before the program's start-up, which loads the settings dialog hidden.
  DesktopWindows(Program& program, NotificationIcon& trayIcon)
      : program_(program), form2_(program), form1_(program, trayIcon, form2_) {
    program_.afterEvent = [this] {
      form1_.Redraw();
      form2_.Redraw();
    };
  }
  ~DesktopWindows() { program_.afterEvent = {}; }
  DesktopWindows(const DesktopWindows&) = delete;
  DesktopWindows& operator=(const DesktopWindows&) = delete;

  MainWindowType& Form1() { return form1_; }
  SettingsWindowType& Form2() { return form2_; }

 protected:
  Program& program_;
  SettingsWindowType form2_;
  MainWindowType form1_;
};

}  // namespace gpsclock
