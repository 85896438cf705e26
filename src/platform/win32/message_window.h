// A message-only window on the thread that creates it: the user-interface thread's mailbox for
// timer ticks, for work that other threads hand over and for what another process asks.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

namespace gpsclock {

class MessageWindow {
 public:
  // Gets the window's WM_TIMER messages and those from WM_APP up, and gives the message's answer.
  using Handler = std::function<LRESULT(UINT message)>;

  // The class of every message window of the program: another process finds one by it and the
  // window's title.
  static constexpr wchar_t kClassName[] = L"gpsclock.MessageWindow";

  // Nothing when Windows refuses the window.
  static std::unique_ptr<MessageWindow> Create(Handler handler, const wchar_t* title = L"");
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
