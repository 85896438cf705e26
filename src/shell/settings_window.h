// The settings dialog Form2: a modeless window without an owner that mirrors the dialog model
// and hands the user's choices and buttons to the core.
#pragma once

#include <QDialog>

#include "receiver/program.h"
#include "shell/element_bindings.h"

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace gpsclock {

class SettingsWindow : public QDialog {
  Q_OBJECT

 public:
  explicit SettingsWindow(Program& program);

  // Shows, hides and fills the window as the model says.
  void Redraw() { bindings_.Redraw(); }
  // SetPort while the dialog is shown only brings it forward.
  void BringForward();

 public:
  // Cancel, Esc and the window's close box: unload without saving.
  void reject() override;

 private:
  void CreateControls();
  void ConnectControls();
  void Draw();

  Program& program_;
  ElementBindings bindings_;
  QComboBox* combo1_ = nullptr;
  QComboBox* combo2_ = nullptr;
  QComboBox* combo3_ = nullptr;
  QRadioButton* option1_ = nullptr;
  QRadioButton* option2_ = nullptr;
  QLabel* label6_ = nullptr;
  QPushButton* command1_ = nullptr;
  QPushButton* command2_ = nullptr;
};

}  // namespace gpsclock
