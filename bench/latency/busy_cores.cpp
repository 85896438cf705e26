// A shell loop that never sleeps and never makes a system call: pure CPU load at normal priority.
#include "busy_cores.h"

#include <unistd.h>

namespace gpsclock::bench {

BusyCores::BusyCores(int loops) {
  for (int loop = 0; loop < loops; ++loop) {
    loops_.push_back(std::make_unique<e2e::ChildProcess>(
        std::vector<std::string>{"sh", "-c", "while :; do :; done"},
        std::vector<std::string>{"PATH=/usr/bin:/bin"}, "/dev/null", "/dev/null"));
  }
}

int EachCoreButOne() {
  return static_cast<int>(sysconf(_SC_NPROCESSORS_ONLN)) - 1;
}

}  // namespace gpsclock::bench
