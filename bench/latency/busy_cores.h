// Load for the latency benchmark: busy loops that compete with the program for the cores.
#pragma once

#include <memory>
#include <vector>

#include "harness/child_process.h"

namespace gpsclock::bench {

class BusyCores {
 public:
  // `loops` busy processes; they stop with this object.
  explicit BusyCores(int loops);
  std::size_t Count() const { return loops_.size(); }

 private:
  std::vector<std::unique_ptr<e2e::ChildProcess>> loops_;
};

// The cores online less one: as many busy loops leave the program one core of its own.
int EachCoreButOne();

}  // namespace gpsclock::bench
