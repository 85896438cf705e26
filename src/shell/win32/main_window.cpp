// Form1 is built from its design; after that the core's model alone decides what it shows.
#include "shell/win32/main_window.h"

#include "platform/win32/window_class.h"
#include "shell/win32/settings_window.h"

namespace gpsclock {
namespace {

HWND CreateMainWindow(WNDPROC procedure) {
  if (!RegisterWindowClass(kMainWindowClass, procedure, GetSysColorBrush(COLOR_BTNFACE))) {
    return nullptr;
  }
  return CreateWindowExW(0, kMainWindowClass, L"", WindowStyle(kMainWindowDesign), 0, 0, 0, 0,
                         nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

MainWindow::MainWindow(Program& program, NotificationIcon& trayIcon, SettingsWindow& settingsWindow)
    : program_(program),
      trayIcon_(trayIcon),
      settingsWindow_(settingsWindow),
      window_(CreateMainWindow(&MainWindow::Procedure)),
      controls_(window_, GetDpiForWindow(window_)),
      log_(controls_.Get<MainWindowElement::kText1>().Handle()) {
  BindElements();
  trayIcon_.SetClickHandler([this](NotificationIcon::Click click) {
    // Only the right button's release brings the window back; the other clicks do nothing.
    if (click == NotificationIcon::Click::kContext) RestoreFromTray();
  });
  // A hidden window whose icon has lost its notification area would be out of reach for good.
  trayIcon_.SetAreaLostHandler([this] { RestoreFromTray(); });
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  Redraw();
}

MainWindow::~MainWindow() {
  trayIcon_.SetClickHandler({});
  trayIcon_.SetAreaLostHandler({});
  aboutBox_.reset();
  SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  DestroyWindow(window_);
}

void MainWindow::Show() const {
  ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
}

AboutBox* MainWindow::OpenAboutBox() const {
  return aboutBox_ && aboutBox_->IsOpen() ? aboutBox_.get() : nullptr;
}

void MainWindow::RestoreFromTray() {
  ShowWindow(window_, IsIconic(window_) ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(window_);
  RemoveFromTray(trayIcon_, trayIconData_);
}

LRESULT CALLBACK MainWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* form1 = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  return form1 != nullptr ? form1->HandleMessage(message, wParam, lParam)
                          : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (const auto handled = controls_.HandleMessage(message, wParam, lParam)) return *handled;
  switch (message) {
    case WM_COMMAND:
      if (const auto item = controls_.MenuItemOfCommand(wParam, lParam)) {
        RunCommand(static_cast<MainMenuItem>(*item));
        return 0;
      }
      break;
    case WM_CLOSE:
      // Closing the window by any means but exit is the unload step: the icon goes, the program
      // ends. The hidden settings dialog and an open About box do not keep it running.
      RemoveFromTray(trayIcon_, trayIconData_);
      PostQuitMessage(0);
      return 0;
    case WM_ENDSESSION:
      // Windows is logging off or shutting down: the program ends as exit ends it.
      if (wParam != FALSE) PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void MainWindow::RunCommand(MainMenuItem item) {
  switch (item) {
    case MainMenuItem::kYincang:
      HideToTray();
      break;
    case MainMenuItem::kExit:
      // Ends the program at once: no unload step and nothing written.
      PostQuitMessage(0);
      break;
    case MainMenuItem::kSetPort:
      program_.OnSetPortCommand();
      settingsWindow_.BringForward();
      break;
    case MainMenuItem::kDisconnect:
      program_.OnDisconnectCommand();
      break;
    case MainMenuItem::kStopTime:
      program_.OnStopTimeCommand();
      break;
    case MainMenuItem::kGuanyu:
      ShowAboutBox();
      break;
    case MainMenuItem::kFile:
      break;
  }
}

template <MainWindowElement id>
void MainWindow::BindLabel(const Label& label) {
  bindings_.Add(label,
                [control = controls_.Get<id>(), &label] { control.SetText(label.Caption()); });
}

template <MainWindowElement id>
void MainWindow::BindClockLabel(const ClockLabel& label) {
  bindings_.Add(label, [this, &label] {
    controls_.SetColours(IndexOf(id), label.Foreground(), label.Background());
    controls_.Get<id>().SetText(label.Caption());
  });
}

template <MainWindowElement id>
void MainWindow::BindIndicator(const Indicator& indicator) {
  bindings_.Add(indicator,
                [this, &indicator] { controls_.SetColours(IndexOf(id), {}, indicator.Fill()); });
}

void MainWindow::BindMenuItem(MainMenuItem item, const MenuItem& model) {
  bindings_.Add(model,
                [this, item, &model] { controls_.SetMenuCaption(IndexOf(item), model.Caption()); });
}

void MainWindow::BindElements() {
  using E = MainWindowElement;
  const MainWindowModel& m = program_.window;
  BindLabel<E::kLabel2>(m.Label2);
  BindLabel<E::kLabel6>(m.Label6);
  BindLabel<E::kLabel7>(m.Label7);
  BindLabel<E::kLabel9>(m.Label9);
  BindClockLabel<E::kLSDISD>(m.LSDISD);
  BindClockLabel<E::kLSDIS>(m.LSDIS);
  BindClockLabel<E::kLDISD>(m.LDISD);
  BindClockLabel<E::kLDIS>(m.LDIS);
  BindIndicator<E::kShape1>(m.Shape1);
  BindIndicator<E::kShape2>(m.Shape2);
  BindIndicator<E::kShape3>(m.Shape3);
  BindMenuItem(MainMenuItem::kDisconnect, m.Disconnect);
  BindMenuItem(MainMenuItem::kStopTime, m.StopTime);
  bindings_.Add(m.text1, [this, &m] { log_.Draw(m.text1); });
}

void MainWindow::HideToTray() {
  // Without a notification area a hidden window could never be brought back, so it stays shown.
  if (!AddToTray(trayIcon_, trayIconData_)) return;
  SetTrayTip(trayIcon_, trayIconData_, kTrayTip);
  ShowWindow(window_, SW_HIDE);
}

void MainWindow::ShowAboutBox() {
  if (OpenAboutBox() == nullptr) aboutBox_ = std::make_unique<AboutBox>();
  aboutBox_->BringForward();
}

}  // namespace gpsclock
