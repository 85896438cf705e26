// Actions due at the same instant run in the order they were scheduled.
#include "platform/simulated/virtual_time.h"

namespace gpsclock {

VirtualTime::ActionId VirtualTime::Schedule(Nanoseconds when, std::function<void()> action) {
  const ActionId id = nextId_++;
  actions_.emplace(Key{when, id}, std::move(action));
  dueTimes_.emplace(id, when);
  return id;
}

void VirtualTime::Cancel(ActionId id) {
  const auto due = dueTimes_.find(id);
  if (due == dueTimes_.end()) return;
  actions_.erase(Key{due->second, id});
  dueTimes_.erase(due);
}

void VirtualTime::AdvanceTo(Nanoseconds until) {
  while (!actions_.empty() && actions_.begin()->first.first <= until) {
    auto next = actions_.begin();
    now_ = next->first.first;
    std::function<void()> action = std::move(next->second);
    dueTimes_.erase(next->first.second);
    actions_.erase(next);
    action();
  }
  if (until > now_) now_ = until;
}

}  // namespace gpsclock
