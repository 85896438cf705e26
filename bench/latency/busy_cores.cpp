// A shell loop that never sleeps and never makes a system call: pure CPU load at normal priority.
#include "busy_cores.h"

#include <unistd.h>

namespace gpsclock::bench {

BusyCores::BusyCores() {
  const long cores = sysconf(_SC_NPROCESSORS_ONLN);
  for (long core = 1; core < cores; ++core) {
    loops_.push_back(std::make_unique<e2e::ChildProcess>(
        std::vector<std::string>{"sh", "-c", "while :; do :; done"},
        std::vector<std::string>{"PATH=/usr/bin:/bin"}, "/dev/null", "/dev/null"));
  }
}

}  // namespace gpsclock::bench
