// The core calls afterEvent at the end of every event; both windows redraw what changed.
#include "shell/win32/desktop_shell.h"

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

void DesktopShell::Dispatch(MSG& message) {
  if (form2_.TakeDialogMessage(message)) return;
  if (const AboutBox* about = form1_.OpenAboutBox(); about && about->TakeDialogMessage(message)) {
    return;
  }
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

int DesktopShell::RunMessageLoop() {
  MSG message{};
  BOOL got = FALSE;
  while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) Dispatch(message);
  return got == 0 ? static_cast<int>(message.wParam) : 1;
}

}  // namespace gpsclock
