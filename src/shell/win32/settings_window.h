// The settings dialog Form2: a modeless dialog without an owner that mirrors the dialog model and
// hands the user's choices and buttons to the core.
#pragma once

#include <windows.h>

#include "receiver/program.h"
#include "shell/element_bindings.h"
#include "shell/layout/settings_dialog_design.h"
#include "shell/win32/win32_window_builder.h"

namespace gpsclock {

class SettingsWindow {
 public:
  explicit SettingsWindow(Program& program);
  ~SettingsWindow();
  SettingsWindow(const SettingsWindow&) = delete;
  SettingsWindow& operator=(const SettingsWindow&) = delete;

  HWND Handle() const { return dialog_; }
  // Shows, hides and fills the dialog as the model says.
  void Redraw() { bindings_.Redraw(); }
  // SetPort while the dialog is shown only brings it forward.
  void BringForward() const;
  // Tab, Enter, Esc and the arrow keys of the option buttons, when `message` is for the dialog.
  bool TakeDialogMessage(MSG& message) const;

 private:
  static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void HandleControl(SettingsDialogElement element, WORD notification);
  void Draw();

  Program& program_;
  HWND dialog_;
  Win32WindowControls<SettingsDialogElement> controls_;
  ElementBindings bindings_;
  // While the model is drawn into the controls, what they report is not the user's doing.
  bool drawing_ = false;
};

}  // namespace gpsclock
