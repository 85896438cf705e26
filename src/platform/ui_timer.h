// A timer on the user-interface thread: its ticks never interleave with other events.
#pragma once

#include <functional>

namespace gpsclock {

class UiTimer {
 public:
  virtual ~UiTimer() = default;
  // Makes sure the timer runs: a stopped timer starts a fresh countdown, a running one keeps its
  // own.
  virtual void Enable() = 0;
  virtual void Disable() = 0;
  // Changes the period; a running timer starts a fresh countdown with it.
  virtual void SetInterval(int milliseconds) = 0;
  virtual bool IsEnabled() const = 0;
  virtual int Interval() const = 0;
  virtual void SetTickHandler(std::function<void()> handler) = 0;
};

}  // namespace gpsclock
