// The main window Form1: its elements drawn from the window model, its menu bar, hiding to the
// tray icon and the unload step.
#pragma once

#include <QMainWindow>
#include <memory>

#include "platform/notification_icon.h"
#include "receiver/program.h"
#include "shell/about_box.h"
#include "shell/element_bindings.h"
#include "shell/layout/main_window_design.h"
#include "shell/qt_window_builder.h"
#include "shell/tray_operations.h"

namespace gpsclock {

class SettingsWindow;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(Program& program, NotificationIcon& trayIcon, SettingsWindow& settingsWindow);
  ~MainWindow() override;

  void Redraw() { bindings_.Redraw(); }
  // The About box while it is open.
  AboutBox* OpenAboutBox() const { return aboutBox_.get(); }
  const TrayIcon& TrayIconData() const { return trayIconData_; }
  // Shows the window again, also when it was hidden in the tray, and takes the icon away.
  void RestoreFromTray();

 protected:
  // Closing the window by any means but exit is the unload step: the icon goes, the program ends.
  void closeEvent(QCloseEvent* event) override;

 private:
  void ConnectMenus();
  void BindElements();
  void HideToTray();
  void ShowAboutBox();

  Program& program_;
  NotificationIcon& trayIcon_;
  SettingsWindow& settingsWindow_;
  QtWindowWidgets<MainWindowElement> widgets_{*this};
  ElementBindings bindings_;
  // Made at its opening and destroyed at its closing, so each opening shows its design anew.
  std::unique_ptr<AboutBox> aboutBox_;
  TrayIcon trayIconData_;
};

}  // namespace gpsclock
