// A UiTimer over SetTimer on a message-only window: its ticks arrive through the user-interface
// thread's message loop, one at a time, between the other events.
#pragma once

#include <functional>
#include <memory>

#include "platform/ui_timer.h"
#include "platform/win32/message_window.h"

namespace gpsclock {

class Win32UiTimer : public UiTimer {
 public:
  // On the user-interface thread; nothing when Windows refuses the timer's window.
  static std::unique_ptr<Win32UiTimer> Create(int intervalMs, bool enabled);

  void Enable() override;
  void Disable() override;
  void SetInterval(int milliseconds) override;
  // False also after Windows refused to start the timer.
  bool IsEnabled() const override { return enabled_; }
  int Interval() const override { return intervalMs_; }
  void SetTickHandler(std::function<void()> handler) override { handler_ = std::move(handler); }

 private:
  explicit Win32UiTimer(int intervalMs) : intervalMs_(intervalMs) {}
  void Start();
  void Tick();

  int intervalMs_;
  bool enabled_ = false;
  std::function<void()> handler_;
  std::unique_ptr<MessageWindow> window_;
};

}  // namespace gpsclock
