// A UiTimer on virtual time with the semantics the displays rely on: enabling a running timer
// keeps its countdown, disabling and enabling restarts it, each tick reschedules the next.
#pragma once

#include <vector>

#include "platform/simulated/virtual_time.h"
#include "platform/ui_timer.h"

namespace gpsclock {

class SimulatedTimer : public UiTimer {
 public:
  SimulatedTimer(VirtualTime& time, int intervalMs, bool enabled);
  ~SimulatedTimer() override;

  void Enable() override;
  void Disable() override;
  void SetInterval(int milliseconds) override;
  bool IsEnabled() const override { return enabled_; }
  int Interval() const override { return intervalMs_; }
  void SetTickHandler(std::function<void()> handler) override { handler_ = std::move(handler); }

  // Virtual times of every tick so far.
  const std::vector<Nanoseconds>& TickTimes() const { return tickTimes_; }
  // Forgets the tick times recorded so far, so that a long run keeps its memory flat.
  void ClearRecords() { tickTimes_.clear(); }

 private:
  void ScheduleNextTick();
  void Tick();

  VirtualTime& time_;
  int intervalMs_;
  bool enabled_ = false;
  VirtualTime::ActionId pending_ = 0;
  std::function<void()> handler_;
  std::vector<Nanoseconds> tickTimes_;
};

}  // namespace gpsclock
