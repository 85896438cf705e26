// A UiTimer over QTimer, precise to the millisecond rather than Qt's default 5 % slack.
#pragma once

#include <QTimer>
#include <functional>

#include "platform/ui_timer.h"

namespace gpsclock {

class QtUiTimer : public UiTimer {
 public:
  QtUiTimer(int intervalMs, bool enabled);

  void Enable() override;
  void Disable() override { timer_.stop(); }
  void SetInterval(int milliseconds) override { timer_.setInterval(milliseconds); }
  bool IsEnabled() const override { return timer_.isActive(); }
  int Interval() const override { return timer_.interval(); }
  void SetTickHandler(std::function<void()> handler) override { handler_ = std::move(handler); }

 private:
  QTimer timer_;
  std::function<void()> handler_;
};

}  // namespace gpsclock
