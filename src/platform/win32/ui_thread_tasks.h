// Work that other threads hand to the user-interface thread (the serial port's reader hands over
// its received bytes): each task runs there, in the order posted, when the thread's message loop
// next runs, between the other events.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <mutex>

#include "platform/ui_thread_post.h"
#include "platform/win32/message_window.h"

namespace gpsclock {

class UiThreadTasks {
 public:
  // On the user-interface thread; nothing when Windows refuses the window. Whoever posts must
  // have stopped before this goes.
  static std::unique_ptr<UiThreadTasks> Create();

  // From any thread. False when the user-interface thread cannot be woken: the task does not run.
  bool Post(std::function<void()> task);
  // Post as the serial layer's batch inbox takes it.
  PostToUiThread Poster() {
    return [this](std::function<void()> task) { return Post(std::move(task)); };
  }

 private:
  UiThreadTasks() = default;
  void RunPosted();

  std::mutex mutex_;
  std::deque<std::function<void()>> tasks_;
  std::unique_ptr<MessageWindow> window_;
};

}  // namespace gpsclock
