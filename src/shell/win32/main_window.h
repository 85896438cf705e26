// The main window Form1: its elements drawn from the window model, its menu bar, hiding to the
// tray icon and the unload step.
#pragma once

#include <windows.h>

#include <memory>

#include "platform/notification_icon.h"
#include "receiver/program.h"
#include "shell/element_bindings.h"
#include "shell/layout/main_window_design.h"
#include "shell/tray_operations.h"
#include "shell/win32/about_box.h"
#include "shell/win32/log_box_view.h"
#include "shell/win32/win32_window_builder.h"

namespace gpsclock {

class SettingsWindow;

// Another program (the tests, an installer) finds the main window by this class and the program's
// title.
inline constexpr wchar_t kMainWindowClass[] = L"gpsclock.Form1";

class MainWindow {
 public:
  MainWindow(Program& program, NotificationIcon& trayIcon, SettingsWindow& settingsWindow);
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Null when Windows refused the window.
  HWND Handle() const { return window_; }
  void Show() const;
  void Redraw() { bindings_.Redraw(); }
  // The About box while it is open.
  AboutBox* OpenAboutBox() const;
  const TrayIcon& TrayIconData() const { return trayIconData_; }
  // Shows the window again, also when it was hidden in the tray, and takes the icon away.
  void RestoreFromTray();

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void RunCommand(MainMenuItem item);
  void BindElements();
  template <MainWindowElement id>
  void BindLabel(const Label& label);
  template <MainWindowElement id>
  void BindClockLabel(const ClockLabel& label);
  template <MainWindowElement id>
  void BindIndicator(const Indicator& indicator);
  void BindMenuItem(MainMenuItem item, const MenuItem& model);
  void HideToTray();
  void ShowAboutBox();

  Program& program_;
  NotificationIcon& trayIcon_;
  SettingsWindow& settingsWindow_;
  HWND window_;
  Win32WindowControls<MainWindowElement> controls_;
  LogBoxView log_;
  ElementBindings bindings_;
  // Made at its opening; its window is destroyed at its closing, so each opening shows its
  // design anew.
  std::unique_ptr<AboutBox> aboutBox_;
  TrayIcon trayIconData_;
};

}  // namespace gpsclock
