// Virtual time for the simulated platform: a clock that moves only when a test advances it, and
// the actions scheduled on it, run in time order.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <utility>

#include "platform/time_units.h"

namespace gpsclock {

class VirtualTime {
 public:
  using ActionId = std::uint64_t;

  Nanoseconds Now() const { return now_; }
  ActionId Schedule(Nanoseconds when, std::function<void()> action);
  void Cancel(ActionId id);
  // Runs every action due up to and including `until`, in time order, then stands at `until`.
  void AdvanceTo(Nanoseconds until);
  void AdvanceBy(Nanoseconds duration) { AdvanceTo(now_ + duration); }
  std::size_t PendingActions() const { return actions_.size(); }

 private:
  using Key = std::pair<Nanoseconds, ActionId>;
  Nanoseconds now_ = 0;
  ActionId nextId_ = 1;
  std::map<Key, std::function<void()>> actions_;
  std::map<ActionId, Nanoseconds> dueTimes_;
};

}  // namespace gpsclock
