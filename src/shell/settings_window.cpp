// Form2 is built from its design table. The user's choices go straight into the dialog model;
// OK and Cancel are events of the core, which decides what the window does next.
#include "shell/settings_window.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <optional>
#include <vector>

#include "shell/model_colour.h"
#include "shell/twips.h"

namespace gpsclock {
namespace {

constexpr char kCaption[] = "Zelvaro电子 GPS卫星时钟微机对时配置";
constexpr int kClientWidthTwips = 6120;
constexpr int kClientHeightTwips = 3105;

enum class ControlKind { kFrame, kLabel, kList, kEditableList, kOption, kButton };

struct ControlDesign {
  const char* name;
  ControlKind kind;
  const char* container;  // a frame, or nullptr for the dialog
  const char* caption;
  TwipsRect place;
  int tabIndex;
  std::optional<Colour> text = std::nullopt;
  std::optional<Colour> background = std::nullopt;
};

// A frame comes before the controls it contains; Combo1 and Combo2 lie over Frame1.
constexpr ControlDesign kControls[] = {
    {"Frame1", ControlKind::kFrame, nullptr, "串口设置", {360, 480, 2412, 1455}, 2},
    {"Label1", ControlKind::kLabel, "Frame1", "串口：", {120, 480, 612, 252}, 3},
    {"Label2", ControlKind::kLabel, "Frame1", "波特率：", {120, 960, 732, 252}, 4},
    {"Combo1", ControlKind::kList, nullptr, "", {1320, 840, 1092, 276}, 8},
    {"Combo2", ControlKind::kList, nullptr, "", {1320, 1320, 1092, 276}, 1},
    {"Frame2", ControlKind::kFrame, nullptr, "GPS卫星未锁定时是否对时", {3000, 480, 2775, 735}, 5},
    {"Option1", ControlKind::kOption, "Frame2", "是", {240, 240, 732, 372}, 6},
    {"Option2", ControlKind::kOption, "Frame2", "否", {1560, 240, 732, 372}, 7},
    {"Frame3", ControlKind::kFrame, nullptr, "误差范围设置", {3000, 1320, 2775, 615}, 11},
    {"Label4", ControlKind::kLabel, "Frame3", "误差超出", {120, 240, 735, 255}, 13, kRed},
    {"Combo3", ControlKind::kEditableList, "Frame3", "", {840, 240, 615, 300}, 12, kRed, kWhite},
    {"Label5", ControlKind::kLabel, "Frame3", "天禁止对时", {1560, 240, 1095, 255}, 14, kRed},
    {"Label3",
     ControlKind::kLabel,
     nullptr,
     "为了时间更精确,推荐使用9600波特率.(GPS时钟端也应有同样的波特率)",
     {240, 2040, 2655, 615},
     10,
     kBlue},
    {"Command1", ControlKind::kButton, nullptr, "确   定", {3240, 2280, 972, 372}, 0},
    {"Command2", ControlKind::kButton, nullptr, "取   消", {4680, 2280, 972, 372}, 9},
    {"Label6", ControlKind::kLabel, nullptr, "", {240, 2760, 5655, 255}, 15},
};

// The lists' entries; an entry's item data is the value it stands for.
struct ListEntry {
  const char* text;
  int itemData;
};
constexpr ListEntry kCombo1Entries[] = {{"串口 1", 1}, {"串口 2", 2}, {"串口 3", 3}, {"串口 4", 4},
                                        {"串口 5", 5}, {"串口 6", 6}, {"串口 7", 7}, {"串口 8", 8}};
constexpr ListEntry kCombo2Entries[] = {{"1200", 1}, {"2400", 2}, {"4800", 3}, {"9600", 4}};
constexpr ListEntry kCombo3Entries[] = {{"0", 0}, {"1", 1}, {"2", 2}, {"3", 3}, {"4", 4}, {"5", 5}};

QWidget* CreateControl(const ControlDesign& design, QWidget* container) {
  const QString caption = QString::fromUtf8(design.caption);
  switch (design.kind) {
    case ControlKind::kFrame:
      return new QGroupBox(caption, container);
    case ControlKind::kLabel: {
      auto* label = new QLabel(caption, container);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      label->setWordWrap(true);
      return label;
    }
    case ControlKind::kList:
      return new QComboBox(container);
    case ControlKind::kEditableList: {
      auto* combo = new QComboBox(container);
      combo->setEditable(true);
      // What the user types stays typed text; it never becomes a new entry.
      combo->setInsertPolicy(QComboBox::NoInsert);
      return combo;
    }
    case ControlKind::kOption:
      return new QRadioButton(caption, container);
    case ControlKind::kButton:
      return new QPushButton(caption, container);
  }
  return nullptr;
}

void ApplyColours(QWidget& control, const ControlDesign& design) {
  QPalette palette = control.palette();
  if (design.text) {
    palette.setColor(QPalette::WindowText, ToQColor(*design.text));
    palette.setColor(QPalette::Text, ToQColor(*design.text));
  }
  if (design.background) palette.setColor(QPalette::Base, ToQColor(*design.background));
  control.setPalette(palette);
}

template <std::size_t N>
void Fill(QComboBox& combo, const ListEntry (&entries)[N]) {
  for (const ListEntry& entry : entries)
    combo.addItem(QString::fromUtf8(entry.text), entry.itemData);
}

}  // namespace

SettingsWindow::SettingsWindow(Program& program) : QDialog(nullptr), program_(program) {
  setObjectName("Form2");
  setWindowTitle(QString::fromUtf8(kCaption));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFixedSize(TwipsToPixels(kClientWidthTwips), TwipsToPixels(kClientHeightTwips));
  CreateControls();
  ConnectControls();
  bindings_.Add(program_.dialog, [this] { Draw(); });
  Redraw();
}

void SettingsWindow::CreateControls() {
  std::vector<std::pair<int, QWidget*>> tabOrder;
  for (const ControlDesign& design : kControls) {
    QWidget* container = design.container ? findChild<QWidget*>(design.container) : this;
    QWidget* control = CreateControl(design, container);
    control->setObjectName(design.name);
    control->setGeometry(TwipsToPixels(design.place));
    ApplyColours(*control, design);
    if (control->focusPolicy() != Qt::NoFocus) tabOrder.emplace_back(design.tabIndex, control);
  }
  std::sort(tabOrder.begin(), tabOrder.end());
  for (std::size_t i = 1; i < tabOrder.size(); ++i) {
    setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
  }
  combo1_ = findChild<QComboBox*>("Combo1");
  combo2_ = findChild<QComboBox*>("Combo2");
  combo3_ = findChild<QComboBox*>("Combo3");
  option1_ = findChild<QRadioButton*>("Option1");
  option2_ = findChild<QRadioButton*>("Option2");
  label6_ = findChild<QLabel*>("Label6");
  command1_ = findChild<QPushButton*>("Command1");
  command2_ = findChild<QPushButton*>("Command2");
  Fill(*combo1_, kCombo1Entries);
  Fill(*combo2_, kCombo2Entries);
  Fill(*combo3_, kCombo3Entries);
  command1_->setDefault(true);
  command1_->setFocus();
}

void SettingsWindow::ConnectControls() {
  SettingsDialogModel& model = program_.dialog;
  // Only the user's own actions write to the model; drawing the model into the controls does not.
  connect(combo1_, &QComboBox::activated, this, [&model](int index) { model.SelectCombo1(index); });
  connect(combo2_, &QComboBox::activated, this, [&model](int index) { model.SelectCombo2(index); });
  connect(combo3_, &QComboBox::activated, this, [&model](int index) { model.SelectCombo3(index); });
  connect(combo3_->lineEdit(), &QLineEdit::textEdited, this,
          [&model](const QString& text) { model.TypeCombo3(text.toStdString()); });
  connect(option2_, &QRadioButton::clicked, this, [&model] { model.SelectOption1(false); });
  connect(command1_, &QPushButton::clicked, this, [this] { program_.OnDialogOk(); });
  connect(command2_, &QPushButton::clicked, this, &SettingsWindow::reject);
}

void SettingsWindow::Draw() {
  const SettingsDialogModel& model = program_.dialog;
  combo1_->setCurrentIndex(model.Combo1Index());
  combo2_->setCurrentIndex(model.Combo2Index());
  // Typed text leaves the list's entry alone, so the text being typed is never disturbed.
  if (model.Combo3Index() != kNoEntry) combo3_->setCurrentIndex(model.Combo3Index());
  const QString combo3Text = QString::fromStdString(model.Combo3Text());
  if (combo3_->currentText() != combo3Text) combo3_->setEditText(combo3Text);
  // An option button is cleared by selecting the other one.
  (model.Option1Selected() ? option1_ : option2_)->setChecked(true);
  option1_->setEnabled(model.Option1Enabled());
  label6_->setText(QString::fromStdString(model.Label6Caption()));
  if (model.State() != DialogState::kShown) {
    hide();
  } else if (!isVisible()) {
    show();
    // Every showing starts with the focus on OK, as a freshly loaded dialog would.
    command1_->setFocus();
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
