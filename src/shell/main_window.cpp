// Form1 is built from its design; after that the core's model alone decides what it shows.
#include "shell/main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>

#include "shell/about_box.h"
#include "shell/model_colour.h"
#include "shell/settings_window.h"
#include "shell/tray_operations.h"

namespace gpsclock {
namespace {

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

template <typename Widget, typename Model, typename Draw>
void Bind(ElementBindings& bindings, Widget* widget, const Model& element, Draw draw) {
  bindings.Add(element, [widget, &element, draw] { draw(*widget, element); });
}

}  // namespace

MainWindow::MainWindow(Program& program, NotificationIcon& trayIcon, SettingsWindow& settingsWindow)
    : program_(program), trayIcon_(trayIcon), settingsWindow_(settingsWindow) {
  ConnectMenus();
  BindElements();
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

void MainWindow::ConnectMenus() {
  const auto connectCommand = [this](MainMenuItem item, auto command) {
    connect(widgets_.Action(item), &QAction::triggered, this, command);
  };
  connectCommand(MainMenuItem::kYincang, [this] { HideToTray(); });
  // Ends the program at once: no unload step and nothing written.
  connectCommand(MainMenuItem::kExit, [] { QCoreApplication::exit(0); });
  connectCommand(MainMenuItem::kSetPort, [this] {
    program_.OnSetPortCommand();
    settingsWindow_.BringForward();
  });
  connectCommand(MainMenuItem::kDisconnect, [this] { program_.OnDisconnectCommand(); });
  connectCommand(MainMenuItem::kStopTime, [this] { program_.OnStopTimeCommand(); });
  connectCommand(MainMenuItem::kGuanyu, [this] { ShowAboutBox(); });
}

void MainWindow::BindElements() {
  using E = MainWindowElement;
  const MainWindowModel& m = program_.window;
  Bind(bindings_, widgets_.Get<E::kLabel2>(), m.Label2, DrawLabel);
  Bind(bindings_, widgets_.Get<E::kLabel6>(), m.Label6, DrawLabel);
  Bind(bindings_, widgets_.Get<E::kLabel7>(), m.Label7, DrawLabel);
  Bind(bindings_, widgets_.Get<E::kLabel9>(), m.Label9, DrawLabel);
  Bind(bindings_, widgets_.Get<E::kLSDISD>(), m.LSDISD, DrawClockLabel);
  Bind(bindings_, widgets_.Get<E::kLSDIS>(), m.LSDIS, DrawClockLabel);
  Bind(bindings_, widgets_.Get<E::kLDISD>(), m.LDISD, DrawClockLabel);
  Bind(bindings_, widgets_.Get<E::kLDIS>(), m.LDIS, DrawClockLabel);
  Bind(bindings_, widgets_.Get<E::kShape1>(), m.Shape1, DrawIndicator);
  Bind(bindings_, widgets_.Get<E::kShape2>(), m.Shape2, DrawIndicator);
  Bind(bindings_, widgets_.Get<E::kShape3>(), m.Shape3, DrawIndicator);
  Bind(bindings_, widgets_.Action(MainMenuItem::kDisconnect), m.Disconnect, DrawMenuItem);
  Bind(bindings_, widgets_.Action(MainMenuItem::kStopTime), m.StopTime, DrawMenuItem);
  Bind(bindings_, widgets_.Get<E::kText1>(), m.text1,
       [](LogTextBox& box, const LogView& log) { box.Draw(log); });
}

void MainWindow::HideToTray() {
  // Without a notification area a hidden window could never be brought back, so it stays shown.
  if (!AddToTray(trayIcon_, trayIconData_)) return;
  SetTrayTip(trayIcon_, trayIconData_, kTrayTip);
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
