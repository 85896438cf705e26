// A message-only window on the thread that creates it: the user-interface thread's mailbox for
// timer ticks and for work that other threads hand over.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

namespace gpsclock {

class MessageWindow {
 public:
  // Gets the window's WM_TIMER messages and those from WM_APP up.
  using Handler = std::function<void(UINT message)>;

  // Nothing when Windows refuses the window.
  static std::unique_ptr<MessageWindow> Create(Handler handler);
  ~MessageWindow();
  MessageWindow(const MessageWindow&) = delete;
  MessageWindow& operator=(const MessageWindow&) = delete;

  HWND Handle() const { return window_; }

 private:
  explicit MessageWindow(Handler handler) : handler_(std::move(handler)) {}
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  Handler handler_;
  HWND window_ = nullptr;
};

}  // namespace gpsclock
