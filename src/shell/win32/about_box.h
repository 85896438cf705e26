// The About box frmAbout: the program's title, version, description and the maker's contact
// block, and a button that starts the system-information program.
#pragma once

#include <windows.h>

#include "shell/layout/about_box_design.h"
#include "shell/win32/win32_window_builder.h"

namespace gpsclock {

class AboutBox {
 public:
  // Made and shown, modeless and without an owner window; the main window keeps it while it is
  // open, so that at most one exists.
  AboutBox();
  ~AboutBox();
  AboutBox(const AboutBox&) = delete;
  AboutBox& operator=(const AboutBox&) = delete;

  // OK, Enter and Esc destroy the box's window; it is then closed for good.
  bool IsOpen() const { return dialog_ != nullptr; }
  HWND Handle() const { return dialog_; }
  void BringForward() const;
  // Tab, Enter, Esc and Alt+S, when `message` is for the box.
  bool TakeDialogMessage(MSG& message) const;
  // Starts the system-information program, or says that there is none.
  void StartSysInfo() const;

 private:
  static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Close();

  HWND dialog_;
  Win32WindowControls<AboutBoxElement> controls_;
};

}  // namespace gpsclock
