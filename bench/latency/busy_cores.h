// Load for the latency benchmark: busy loops that keep the other cores of the machine busy.
#pragma once

#include <memory>
#include <vector>

#include "harness/child_process.h"

namespace gpsclock::bench {

class BusyCores {
 public:
  // One busy loop for each core but one; they stop with this object.
  BusyCores();
  std::size_t Count() const { return loops_.size(); }

 private:
  std::vector<std::unique_ptr<e2e::ChildProcess>> loops_;
};

}  // namespace gpsclock::bench
