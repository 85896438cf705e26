// The notification-area icon through Shell_NotifyIconW. The icon's mouse events come to a hidden
// window of its own as the callback message 2025, with the mouse message in its lParam; that
// window also hears Explorer's "TaskbarCreated", after which a shown icon is added again.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "platform/notification_icon.h"

namespace gpsclock {

inline constexpr UINT kTrayCallbackMessage = 2025;

class Win32NotificationIcon : public NotificationIcon {
 public:
  // On the user-interface thread. Without its window, which Windows may refuse, every Add fails.
  explicit Win32NotificationIcon(HICON icon);
  ~Win32NotificationIcon() override;
  Win32NotificationIcon(const Win32NotificationIcon&) = delete;
  Win32NotificationIcon& operator=(const Win32NotificationIcon&) = delete;

  bool Add() override;
  void SetTip(const std::string& tip) override;
  void Remove() override;
  void SetClickHandler(std::function<void(Click)> handler) override;
  // Explorer gives no word when it ends; when it comes back the icon is added again, so the
  // notification area is never lost for good and this handler is never called.
  void SetAreaLostHandler(std::function<void()>) override {}

  // The window the icon's callback message goes to.
  HWND Window() const { return window_; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  bool Notify(DWORD command, UINT flags);
  void HandleCallback(LPARAM mouseMessage);

  HICON icon_;
  HWND window_ = nullptr;
  UINT taskbarCreated_;
  bool shown_ = false;
  std::wstring tip_;
  std::function<void(Click)> handler_;
};

}  // namespace gpsclock
