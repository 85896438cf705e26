// Form2 is built from its design. The user's choices go straight into the dialog model; OK and
// Cancel are events of the core, which decides what the dialog does next.
#include "shell/win32/settings_window.h"

namespace gpsclock {

using E = SettingsDialogElement;

SettingsWindow::SettingsWindow(Program& program)
    : program_(program),
      dialog_(CreateEmptyDialog(kSettingsDialogDesign, &SettingsWindow::Procedure)),
      controls_(dialog_, GetDpiForWindow(dialog_)) {
  bindings_.Add(program_.dialog, [this] { Draw(); });
  SetWindowLongPtrW(dialog_, DWLP_USER, reinterpret_cast<LONG_PTR>(this));
  Redraw();
}

SettingsWindow::~SettingsWindow() {
  SetWindowLongPtrW(dialog_, DWLP_USER, 0);
  DestroyWindow(dialog_);
}

void SettingsWindow::BringForward() const {
  if (IsWindowVisible(dialog_)) SetForegroundWindow(dialog_);
}

bool SettingsWindow::TakeDialogMessage(MSG& message) const {
  return IsWindowVisible(dialog_) && IsDialogMessageW(dialog_, &message);
}

INT_PTR CALLBACK SettingsWindow::Procedure(HWND dialog, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  auto* window = reinterpret_cast<SettingsWindow*>(GetWindowLongPtrW(dialog, DWLP_USER));
  return window != nullptr ? window->HandleMessage(message, wParam, lParam) : FALSE;
}

INT_PTR SettingsWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (const auto handled = controls_.HandleMessage(message, wParam, lParam)) return *handled;
  // The close box, like Cancel and Esc, unloads the dialog without saving.
  if (message == WM_CLOSE) {
    program_.OnDialogCancel();
    return TRUE;
  }
  if (message != WM_COMMAND || drawing_) return FALSE;
  if (const auto element = controls_.ElementOfCommand(wParam)) {
    HandleControl(*element, HIWORD(wParam));
  }
  return TRUE;
}

// Only the user's own actions write to the model; drawing the model into the controls does not.
void SettingsWindow::HandleControl(SettingsDialogElement element, WORD notification) {
  SettingsDialogModel& model = program_.dialog;
  switch (element) {
    case E::kCombo1:
      if (notification == CBN_SELCHANGE) model.SelectCombo1(controls_.Get<E::kCombo1>().Selected());
      break;
    case E::kCombo2:
      if (notification == CBN_SELCHANGE) model.SelectCombo2(controls_.Get<E::kCombo2>().Selected());
      break;
    case E::kCombo3:
      if (notification == CBN_SELCHANGE) model.SelectCombo3(controls_.Get<E::kCombo3>().Selected());
      if (notification == CBN_EDITCHANGE) model.TypeCombo3(controls_.Get<E::kCombo3>().Text());
      break;
    case E::kOption2:
      if (notification == BN_CLICKED) model.SelectOption1(false);
      break;
    case E::kCommand1:
      if (notification == BN_CLICKED) program_.OnDialogOk();
      break;
    case E::kCommand2:
      if (notification == BN_CLICKED) program_.OnDialogCancel();
      break;
    default:
      break;
  }
}

void SettingsWindow::Draw() {
  const SettingsDialogModel& model = program_.dialog;
  const Win32ComboBox combo3 = controls_.Get<E::kCombo3>();
  drawing_ = true;
  controls_.Get<E::kCombo1>().Select(model.Combo1Index());
  controls_.Get<E::kCombo2>().Select(model.Combo2Index());
  // Typed text leaves the list's entry alone, so the text being typed is never disturbed.
  if (model.Combo3Index() != kNoEntry) combo3.Select(model.Combo3Index());
  if (combo3.Text() != model.Combo3Text()) combo3.SetText(model.Combo3Text());
  controls_.Get<E::kOption1>().SetChecked(model.Option1Selected());
  controls_.Get<E::kOption2>().SetChecked(!model.Option1Selected());
  controls_.Get<E::kOption1>().Enable(model.Option1Enabled());
  controls_.Get<E::kLabel6>().SetText(model.Label6Caption());
  drawing_ = false;
  if (model.State() != DialogState::kShown) {
    ShowWindow(dialog_, SW_HIDE);
  } else if (!IsWindowVisible(dialog_)) {
    ShowWindow(dialog_, SW_SHOW);
    // Every showing starts with the focus on OK, as a freshly loaded dialog would.
    controls_.FocusDefaultButton();
    BringForward();
  }
}

}  // namespace gpsclock
