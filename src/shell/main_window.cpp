// Form1 is built from its design table; after that the core's model alone decides what it shows.
#include "shell/main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>

#include "shell/about_box.h"
#include "shell/layout/program_title.h"
#include "shell/log_text_box.h"
#include "shell/model_colour.h"
#include "shell/round_indicator.h"
#include "shell/settings_window.h"
#include "shell/song_font.h"
#include "shell/tray_operations.h"
#include "shell/twips.h"

namespace gpsclock {
namespace {

constexpr int kClientWidthTwips = 6420;
constexpr int kClientHeightTwips = 5520;
constexpr int kClientLeftTwips = 2655;
constexpr int kClientTopTwips = 2415;
constexpr int kWindowPointSize = 18;
constexpr int kSmallPointSize = 9;

enum class ElementKind { kLabel, kClockLabel, kIndicator, kFrame, kLogBox };

struct ElementDesign {
  const char* name;
  ElementKind kind;
  const char* container;  // a frame, or nullptr for the client area
  const char* caption;    // the static captions; the model gives the others
  TwipsRect place;
};

// A frame comes before the elements it contains.
constexpr ElementDesign kElements[] = {
    {"Label8", ElementKind::kLabel, nullptr, "串口原始信息:", {360, 5040, 1215, 255}},
    {"Label9", ElementKind::kLabel, nullptr, "", {1680, 5040, 4335, 255}},
    {"Label2", ElementKind::kLabel, nullptr, "", {1200, 240, 975, 255}},
    {"Shape1", ElementKind::kIndicator, nullptr, "", {960, 240, 135, 135}},
    {"Frame1", ElementKind::kFrame, nullptr, "系统时间", {360, 600, 2415, 1452}},
    {"LSDISD", ElementKind::kClockLabel, "Frame1", "", {240, 240, 1935, 495}},
    {"LSDIS", ElementKind::kClockLabel, "Frame1", "", {240, 840, 1935, 495}},
    {"Label6", ElementKind::kLabel, nullptr, "", {3240, 240, 975, 255}},
    {"Shape2", ElementKind::kIndicator, nullptr, "", {3000, 240, 135, 135}},
    {"Frame2", ElementKind::kFrame, nullptr, "GPS时间", {3480, 600, 2415, 1455}},
    {"LDISD", ElementKind::kClockLabel, "Frame2", "", {240, 240, 1935, 495}},
    {"LDIS", ElementKind::kClockLabel, "Frame2", "", {240, 840, 1935, 495}},
    {"Label7", ElementKind::kLabel, nullptr, "", {5160, 240, 855, 255}},
    {"Shape3", ElementKind::kIndicator, nullptr, "", {4920, 240, 135, 135}},
    {"text1", ElementKind::kLogBox, nullptr, "", {360, 2760, 5775, 2175}},
};

QWidget* CreateElement(const ElementDesign& design, QWidget* container) {
  const QString caption = QString::fromUtf8(design.caption);
  switch (design.kind) {
    case ElementKind::kLabel: {
      auto* label = new QLabel(caption, container);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      return label;
    }
    case ElementKind::kClockLabel: {
      auto* label = new QLabel(caption, container);
      label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
      label->setAutoFillBackground(true);
      return label;
    }
    case ElementKind::kIndicator:
      return new RoundIndicator(container);
    case ElementKind::kFrame:
      return new QGroupBox(caption, container);
    case ElementKind::kLogBox:
      return new LogTextBox(container);
  }
  return nullptr;
}

// The clock labels show the window's font; every other element has a 9-point font of its own.
QFont ElementFont(ElementKind kind) {
  return SongFont(kind == ElementKind::kClockLabel ? kWindowPointSize : kSmallPointSize);
}

void DrawLabel(QLabel& widget, const Label& label) {
  widget.setText(QString::fromStdString(label.Caption()));
}

void DrawClockLabel(QLabel& widget, const ClockLabel& label) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, ToQColor(label.Background()));
  palette.setColor(QPalette::WindowText, ToQColor(label.Foreground()));
  widget.setPalette(palette);
  DrawLabel(widget, label);
}

void DrawIndicator(RoundIndicator& widget, const Indicator& indicator) {
  widget.SetFill(ToQColor(indicator.Fill()));
}

void DrawMenuItem(QAction& action, const MenuItem& item) {
  action.setText(QString::fromStdString(item.Caption()));
}

// Binds each named widget of the window to its model element.
template <typename Widget, typename Model, typename Draw>
void BindByName(QObject& window, ElementBindings& bindings,
                std::initializer_list<std::pair<const char*, const Model*>> elements, Draw draw) {
  for (const auto& [name, element] : elements) {
    auto* widget = window.findChild<Widget*>(name);
    bindings.Add(*element, [widget, element = element, draw] { draw(*widget, *element); });
  }
}

}  // namespace

MainWindow::MainWindow(Program& program, NotificationIcon& trayIcon, SettingsWindow& settingsWindow)
    : program_(program), trayIcon_(trayIcon), settingsWindow_(settingsWindow) {
  setObjectName("Form1");
  setWindowTitle(QString::fromUtf8(kProgramTitle));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  CreateElements();
  CreateMenus();
  BindElements();
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  setGeometry(
      QRect(QPoint(TwipsToPixels(kClientLeftTwips), TwipsToPixels(kClientTopTwips)), sizeHint()));
  trayIcon_.SetClickHandler([this](NotificationIcon::Click click) {
    // Only the right button brings the window back; the other clicks do nothing.
    if (click == NotificationIcon::Click::kContext) RestoreFromTray();
  });
  // A hidden window whose icon has lost its notification area would be out of reach for good.
  trayIcon_.SetAreaLostHandler([this] { RestoreFromTray(); });
  Redraw();
}

MainWindow::~MainWindow() {
  trayIcon_.SetClickHandler({});
  trayIcon_.SetAreaLostHandler({});
}

void MainWindow::CreateElements() {
  auto* client = new QWidget(this);
  client->setObjectName("client");
  client->setFont(SongFont(kWindowPointSize));
  client->setFixedSize(TwipsToPixels(kClientWidthTwips), TwipsToPixels(kClientHeightTwips));
  setCentralWidget(client);
  for (const ElementDesign& design : kElements) {
    QWidget* container = design.container ? client->findChild<QWidget*>(design.container) : client;
    QWidget* element = CreateElement(design, container);
    element->setObjectName(design.name);
    element->setFont(ElementFont(design.kind));
    element->setGeometry(TwipsToPixels(design.place));
  }
}

void MainWindow::CreateMenus() {
  QMenuBar* bar = menuBar();
  const auto addCommand = [this](QWidget* menu, const char* name, const char* caption,
                                 auto command) {
    auto* action = new QAction(QString::fromUtf8(caption), menu);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, command);
    menu->addAction(action);
  };
  QMenu* file = bar->addMenu(QStringLiteral("文件"));
  file->setObjectName("file");
  addCommand(file, "yincang", "隐藏", [this] { HideToTray(); });
  // Ends the program at once: no unload step and nothing written.
  addCommand(file, "exit", "退出", [] { QCoreApplication::exit(0); });
  // Actions placed directly in the bar carry out their command when clicked there.
  addCommand(bar, "SetPort", "串口设置", [this] {
    program_.OnSetPortCommand();
    settingsWindow_.BringForward();
  });
  addCommand(bar, "Disconnect", "", [this] { program_.OnDisconnectCommand(); });
  addCommand(bar, "StopTime", "", [this] { program_.OnStopTimeCommand(); });
  addCommand(bar, "guanyu", "关于", [this] { ShowAboutBox(); });
}

void MainWindow::BindElements() {
  const MainWindowModel& m = program_.window;
  BindByName<QLabel, Label>(
      *this, bindings_,
      {{"Label2", &m.Label2}, {"Label6", &m.Label6}, {"Label7", &m.Label7}, {"Label9", &m.Label9}},
      DrawLabel);
  BindByName<QLabel, ClockLabel>(
      *this, bindings_,
      {{"LSDISD", &m.LSDISD}, {"LSDIS", &m.LSDIS}, {"LDISD", &m.LDISD}, {"LDIS", &m.LDIS}},
      DrawClockLabel);
  BindByName<RoundIndicator, Indicator>(
      *this, bindings_, {{"Shape1", &m.Shape1}, {"Shape2", &m.Shape2}, {"Shape3", &m.Shape3}},
      DrawIndicator);
  BindByName<QAction, MenuItem>(
      *this, bindings_, {{"Disconnect", &m.Disconnect}, {"StopTime", &m.StopTime}}, DrawMenuItem);
  BindByName<LogTextBox, LogView>(*this, bindings_, {{"text1", &m.text1}},
                                  [](LogTextBox& box, const LogView& log) { box.Draw(log); });
}

void MainWindow::HideToTray() {
  TrayIcon& record = trayIconData_;
  // Without a notification area a hidden window could never be brought back, so it stays shown.
  if (!AddToTray(trayIcon_, record)) return;
  SetTrayTip(trayIcon_, record, kTrayTip);
  hide();
}

void MainWindow::RestoreFromTray() {
  show();
  raise();
  activateWindow();
  RemoveFromTray(trayIcon_, trayIconData_);
}

void MainWindow::ShowAboutBox() {
  if (!aboutBox_) {
    aboutBox_ = std::make_unique<AboutBox>();
    // Closed by any means, the box goes once its own signal has been handled.
    connect(aboutBox_.get(), &QDialog::finished, this,
            [this] { aboutBox_.release()->deleteLater(); });
  }
  aboutBox_->show();
  aboutBox_->raise();
  aboutBox_->activateWindow();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  RemoveFromTray(trayIcon_, trayIconData_);
  event->accept();
  // The hidden settings dialog and an open About box do not keep the program running.
  QCoreApplication::exit(0);
}

}  // namespace gpsclock
