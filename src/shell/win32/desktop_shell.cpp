// The thread's messages, with an open dialog's keys taken by that dialog.
#include "shell/win32/desktop_shell.h"

namespace gpsclock {

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
