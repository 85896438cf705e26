// frmAbout is built from its design; its texts are fixed and nothing changes them.
#include "shell/win32/about_box.h"

#include "platform/win32/system_info_launcher.h"
#include "shell/layout/program_title.h"
#include "shell/win32/screen_text.h"

namespace gpsclock {

AboutBox::AboutBox()
    : dialog_(CreateEmptyDialog(kAboutBoxDesign, &AboutBox::Procedure)),
      controls_(dialog_, GetDpiForWindow(dialog_)) {
  SetWindowLongPtrW(dialog_, DWLP_USER, reinterpret_cast<LONG_PTR>(this));
  ShowWindow(dialog_, SW_SHOW);
  controls_.FocusDefaultButton();
}

AboutBox::~AboutBox() {
  if (IsOpen()) Close();
}

void AboutBox::BringForward() const {
  SetForegroundWindow(dialog_);
}

bool AboutBox::TakeDialogMessage(MSG& message) const {
  return dialog_ != nullptr && IsDialogMessageW(dialog_, &message);
}

// The message box waits in a modal loop of its own, in which the serial port and the timers go
// on being handled.
void AboutBox::StartSysInfo() const {
  if (StartSystemInfoProgram()) return;
  MessageBoxW(dialog_, ScreenText(kSysInfoUnavailable).c_str(), ScreenText(kProgramTitle).c_str(),
              MB_OK);
}

void AboutBox::Close() {
  SetWindowLongPtrW(dialog_, DWLP_USER, 0);
  DestroyWindow(dialog_);
  dialog_ = nullptr;
}

INT_PTR CALLBACK AboutBox::Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* box = reinterpret_cast<AboutBox*>(GetWindowLongPtrW(dialog, DWLP_USER));
  return box != nullptr ? box->HandleMessage(message, wParam, lParam) : FALSE;
}

INT_PTR AboutBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (const auto handled = controls_.HandleMessage(message, wParam, lParam)) return *handled;
  if (message == WM_CLOSE) {
    Close();
    return TRUE;
  }
  if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return FALSE;
  // cmdOK is both the default and the cancel button: OK, Enter and Esc all close the box.
  const auto element = controls_.ElementOfCommand(wParam);
  if (element == AboutBoxElement::kCmdOK) {
    Close();
  } else if (element == AboutBoxElement::kCmdSysInfo) {
    StartSysInfo();
  }
  return TRUE;
}

}  // namespace gpsclock
