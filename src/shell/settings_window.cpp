// Form2 is built from its design. The user's choices go straight into the dialog model;
// OK and Cancel are events of the core, which decides what the window does next.
#include "shell/settings_window.h"

#include <QLineEdit>

namespace gpsclock {

using E = SettingsDialogElement;

SettingsWindow::SettingsWindow(Program& program) : QDialog(nullptr), program_(program) {
  ConnectControls();
  bindings_.Add(program_.dialog, [this] { Draw(); });
  Redraw();
}

void SettingsWindow::ConnectControls() {
  SettingsDialogModel& model = program_.dialog;
  QComboBox* combo3 = widgets_.Get<E::kCombo3>();
  // Only the user's own actions write to the model; drawing the model into the controls does not.
  connect(widgets_.Get<E::kCombo1>(), &QComboBox::activated, this,
          [&model](int index) { model.SelectCombo1(index); });
  connect(widgets_.Get<E::kCombo2>(), &QComboBox::activated, this,
          [&model](int index) { model.SelectCombo2(index); });
  connect(combo3, &QComboBox::activated, this, [&model](int index) { model.SelectCombo3(index); });
  connect(combo3->lineEdit(), &QLineEdit::textEdited, this,
          [&model](const QString& text) { model.TypeCombo3(text.toStdString()); });
  connect(widgets_.Get<E::kOption2>(), &QRadioButton::clicked, this,
          [&model] { model.SelectOption1(false); });
  connect(widgets_.Get<E::kCommand1>(), &QPushButton::clicked, this,
          [this] { program_.OnDialogOk(); });
}

void SettingsWindow::Draw() {
  const SettingsDialogModel& model = program_.dialog;
  QComboBox* combo3 = widgets_.Get<E::kCombo3>();
  QRadioButton* option1 = widgets_.Get<E::kOption1>();
  widgets_.Get<E::kCombo1>()->setCurrentIndex(model.Combo1Index());
  widgets_.Get<E::kCombo2>()->setCurrentIndex(model.Combo2Index());
  // Typed text leaves the list's entry alone, so the text being typed is never disturbed.
  if (model.Combo3Index() != kNoEntry) combo3->setCurrentIndex(model.Combo3Index());
  const QString combo3Text = QString::fromStdString(model.Combo3Text());
  if (combo3->currentText() != combo3Text) combo3->setEditText(combo3Text);
  // An option button is cleared by selecting the other one.
  (model.Option1Selected() ? option1 : widgets_.Get<E::kOption2>())->setChecked(true);
  option1->setEnabled(model.Option1Enabled());
  widgets_.Get<E::kLabel6>()->setText(QString::fromStdString(model.Label6Caption()));
  if (model.State() != DialogState::kShown) {
    hide();
  } else if (!isVisible()) {
    show();
    // Every showing starts with the focus on OK, as a freshly loaded dialog would.
    widgets_.Get<E::kCommand1>()->setFocus();
    BringForward();
  }
}

void SettingsWindow::BringForward() {
  if (!isVisible()) return;
  raise();
  activateWindow();
}

void SettingsWindow::reject() {
  program_.OnDialogCancel();
}

}  // namespace gpsclock
