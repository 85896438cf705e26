// Timer ticks scheduled on virtual time.
#include "platform/simulated/simulated_timer.h"

namespace gpsclock {

SimulatedTimer::SimulatedTimer(VirtualTime& time, int intervalMs, bool enabled)
    : time_(time), intervalMs_(intervalMs) {
  if (enabled) Enable();
}

SimulatedTimer::~SimulatedTimer() {
  time_.Cancel(pending_);
}

void SimulatedTimer::Enable() {
  if (enabled_) return;
  enabled_ = true;
  ScheduleNextTick();
}

void SimulatedTimer::Disable() {
  enabled_ = false;
  time_.Cancel(pending_);
}

void SimulatedTimer::SetInterval(int milliseconds) {
  intervalMs_ = milliseconds;
  if (!enabled_) return;
  time_.Cancel(pending_);
  ScheduleNextTick();
}

void SimulatedTimer::ScheduleNextTick() {
  pending_ =
      time_.Schedule(time_.Now() + intervalMs_ * kNanosecondsPerMillisecond, [this] { Tick(); });
}

void SimulatedTimer::Tick() {
  tickTimes_.push_back(time_.Now());
  ScheduleNextTick();
  if (handler_) handler_();
}

}  // namespace gpsclock
