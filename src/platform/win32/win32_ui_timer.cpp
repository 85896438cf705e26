// SetTimer on a timer that runs replaces it with a fresh countdown: right for a new interval, wrong
// for an enable, which must leave a running countdown alone.
#include "platform/win32/win32_ui_timer.h"

namespace gpsclock {
namespace {

constexpr UINT_PTR kTimerId = 1;

}  // namespace

std::unique_ptr<Win32UiTimer> Win32UiTimer::Create(int intervalMs, bool enabled) {
  std::unique_ptr<Win32UiTimer> timer(new Win32UiTimer(intervalMs));
  timer->window_ = MessageWindow::Create([raw = timer.get()](UINT message) {
    if (message == WM_TIMER) raw->Tick();
    return LRESULT{0};
  });
  if (!timer->window_) return nullptr;
  if (enabled) timer->Start();
  return timer;
}

void Win32UiTimer::Enable() {
  if (!enabled_) Start();
}

void Win32UiTimer::Disable() {
  KillTimer(window_->Handle(), kTimerId);
  enabled_ = false;
}

void Win32UiTimer::SetInterval(int milliseconds) {
  intervalMs_ = milliseconds;
  if (enabled_) Start();
}

// Windows raises a period below USER_TIMER_MINIMUM (10 ms) to it.
void Win32UiTimer::Start() {
  const UINT period = intervalMs_ > 0 ? static_cast<UINT>(intervalMs_) : USER_TIMER_MINIMUM;
  enabled_ = SetTimer(window_->Handle(), kTimerId, period, nullptr) != 0;
}

// A tick already waiting in the queue when the timer was disabled is dropped.
void Win32UiTimer::Tick() {
  if (enabled_ && handler_) handler_();
}

}  // namespace gpsclock
