// One message wakes the user-interface thread for all the tasks posted until it runs them: a
// message is posted only when the queue was empty.
#include "platform/win32/ui_thread_tasks.h"

namespace gpsclock {
namespace {

constexpr UINT kRunPostedTasks = WM_APP;

}  // namespace

std::unique_ptr<UiThreadTasks> UiThreadTasks::Create() {
  std::unique_ptr<UiThreadTasks> tasks(new UiThreadTasks);
  tasks->window_ = MessageWindow::Create([raw = tasks.get()](UINT message) {
    if (message == kRunPostedTasks) raw->RunPosted();
    return LRESULT{0};
  });
  if (!tasks->window_) return nullptr;
  return tasks;
}

bool UiThreadTasks::Post(std::function<void()> task) {
  const std::lock_guard lock(mutex_);
  tasks_.push_back(std::move(task));
  if (tasks_.size() > 1) return true;
  if (PostMessageW(window_->Handle(), kRunPostedTasks, 0, 0)) return true;
  tasks_.pop_back();
  return false;
}

// The tasks run outside the lock, so that a task may post again.
void UiThreadTasks::RunPosted() {
  std::deque<std::function<void()>> posted;
  {
    const std::lock_guard lock(mutex_);
    posted.swap(tasks_);
  }
  for (auto& task : posted) task();
}

}  // namespace gpsclock
