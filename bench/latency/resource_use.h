// What the program costs the machine while it works as it will all day: frames once a second at
// 9600 baud, the window shown. The marks of that run are timed too.
#pragma once

#include <string>
#include <vector>

#include "mark_latency.h"

namespace gpsclock::bench {

struct ResourceUse {
  double cpuPercentOfOneCore = 0;
  double peakResidentMib = 0;
  MarkLatencies marks;
};

ResourceUse MeasureResourceUse(int seconds);

}  // namespace gpsclock::bench
