// The settings dialog Form2: a modeless window without an owner that mirrors the dialog model
// and hands the user's choices and buttons to the core.
#pragma once

#include <QDialog>

#include "receiver/program.h"
#include "shell/element_bindings.h"
#include "shell/layout/settings_dialog_design.h"
#include "shell/qt_window_builder.h"

namespace gpsclock {

class SettingsWindow : public QDialog {
  Q_OBJECT

 public:
  explicit SettingsWindow(Program& program);

  // Shows, hides and fills the window as the model says.
  void Redraw() { bindings_.Redraw(); }
  // SetPort while the dialog is shown only brings it forward.
  void BringForward();
  // Cancel, Esc and the window's close box: unload without saving.
  void reject() override;

 private:
  void ConnectControls();
  void Draw();

  Program& program_;
  QtWindowWidgets<SettingsDialogElement> widgets_{*this};
  ElementBindings bindings_;
};

}  // namespace gpsclock
