// The icon is the record (window, id 0) to Windows; the tip is set after the icon is added, as a
// step of its own.
#include "platform/win32/win32_notification_icon.h"

#include <shellapi.h>

#include <algorithm>

#include "platform/win32/wide_text.h"
#include "platform/win32/window_class.h"

namespace gpsclock {
namespace {

constexpr wchar_t kClassName[] = L"gpsclock.TrayIcon";

}  // namespace

Win32NotificationIcon::Win32NotificationIcon(HICON icon)
    : icon_(icon), taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")) {
  if (!RegisterWindowClass(kClassName, &Win32NotificationIcon::Procedure)) return;
  // A top-level window, never shown: a message-only window would not hear the broadcast.
  window_ = CreateWindowExW(0, kClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  if (window_ != nullptr) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
}

Win32NotificationIcon::~Win32NotificationIcon() {
  Remove();
  if (window_ != nullptr) DestroyWindow(window_);
}

// A tip set while the icon was away (or Explorer started again) comes back with it.
bool Win32NotificationIcon::Add() {
  if (window_ == nullptr) return false;
  shown_ = Notify(NIM_ADD, NIF_ICON | NIF_MESSAGE);
  if (shown_ && !tip_.empty()) Notify(NIM_MODIFY, NIF_TIP);
  return shown_;
}

void Win32NotificationIcon::SetTip(const std::string& tip) {
  tip_ = ToWide(CP_UTF8, tip).value_or(L"");
  if (shown_) Notify(NIM_MODIFY, NIF_TIP);
}

void Win32NotificationIcon::Remove() {
  if (!shown_) return;
  Notify(NIM_DELETE, 0);
  shown_ = false;
}

void Win32NotificationIcon::SetClickHandler(std::function<void(Click)> handler) {
  handler_ = std::move(handler);
}

bool Win32NotificationIcon::Notify(DWORD command, UINT flags) {
  NOTIFYICONDATAW record{};
  record.cbSize = sizeof record;
  record.hWnd = window_;
  record.uID = 0;
  record.uFlags = flags;
  record.uCallbackMessage = kTrayCallbackMessage;
  record.hIcon = icon_;
  const std::size_t length = std::min(tip_.size(), std::size(record.szTip) - 1);
  std::copy_n(tip_.begin(), length, record.szTip);
  return Shell_NotifyIconW(command, &record) != FALSE;
}

// Before NOTIFYICON_VERSION 4 the callback's lParam is the mouse message itself.
void Win32NotificationIcon::HandleCallback(LPARAM mouseMessage) {
  if (!handler_) return;
  switch (mouseMessage) {
    case WM_RBUTTONUP:
      handler_(Click::kContext);
      break;
    case WM_LBUTTONUP:
      handler_(Click::kTrigger);
      break;
    case WM_LBUTTONDBLCLK:
      handler_(Click::kDoubleClick);
      break;
    case WM_MBUTTONUP:
      handler_(Click::kMiddleClick);
      break;
    default:
      break;
  }
}

LRESULT CALLBACK Win32NotificationIcon::Procedure(HWND window, UINT message, WPARAM wParam,
                                                  LPARAM lParam) {
  auto* icon = reinterpret_cast<Win32NotificationIcon*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (icon != nullptr && message == kTrayCallbackMessage) {
    icon->HandleCallback(lParam);
    return 0;
  }
  // Explorer started again with an empty notification area.
  if (icon != nullptr && message == icon->taskbarCreated_ && icon->shown_) {
    icon->Add();
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace gpsclock
