// The serial layer's own delay, on a pseudo-terminal: from a byte's write() to the reader thread's
// stamp of it, and to its handler on the user-interface thread, both on CLOCK_MONOTONIC.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gpsclock::bench {

struct PortReadLatencies {
  std::vector<std::int64_t> writeToStampNs;
  std::vector<std::int64_t> writeToHandlerNs;
  std::vector<std::string> problems;  // what makes the run void
};

// `bytes` single bytes about 10 ms apart. With `busyUiThread` the user-interface thread spends
// half its time on work of its own, 3 ms at a time, as a long redraw would.
PortReadLatencies MeasurePortReadLatencies(int bytes, bool busyUiThread);

}  // namespace gpsclock::bench
