// The core calls afterEvent at the end of every event; both windows redraw what changed.
#include "shell/desktop_shell.h"

namespace gpsclock {

DesktopShell::DesktopShell(Program& program, NotificationIcon& trayIcon)
    : program_(program), form2_(program), form1_(program, trayIcon, form2_) {
  program_.afterEvent = [this] {
    form1_.Redraw();
    form2_.Redraw();
  };
}

DesktopShell::~DesktopShell() {
  program_.afterEvent = {};
}

}  // namespace gpsclock
