// One window class for every message window of the process, registered with the first of them.
#include "platform/win32/message_window.h"

#include "platform/win32/window_class.h"

namespace gpsclock {

std::unique_ptr<MessageWindow> MessageWindow::Create(Handler handler, const wchar_t* title) {
  static const bool registered = RegisterWindowClass(kClassName, &MessageWindow::Procedure);
  if (!registered) return nullptr;
  std::unique_ptr<MessageWindow> window(new MessageWindow(std::move(handler)));
  if (CreateWindowExW(0, kClassName, title, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                      GetModuleHandleW(nullptr), window.get()) == nullptr) {
    return nullptr;
  }
  return window;
}

// Destroying the window kills its timers and drops the messages still waiting for it.
MessageWindow::~MessageWindow() {
  DestroyWindow(window_);
}

LRESULT CALLBACK MessageWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // The window learns its owner at its first message; the owner learns its window there too.
  if (message == WM_NCCREATE) {
    auto* owner =
        static_cast<MessageWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    owner->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
  }
  auto* owner = reinterpret_cast<MessageWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (owner != nullptr && (message == WM_TIMER || message >= WM_APP)) {
    return owner->handler_(message);
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace gpsclock
