// What the program costs the machine while it works as it will all day: frames once a second at
// 9600 baud, the window shown. The sets of that run are judged too.
#pragma once

#include <string>
#include <vector>

#include "set_error.h"

namespace gpsclock::bench {

struct ResourceUse {
  double cpuPercentOfOneCore = 0;
  double peakResidentMib = 0;
  SetErrors sets;
};

// `program` as for MarkScenario.
ResourceUse MeasureResourceUse(const std::string& program, int seconds);

}  // namespace gpsclock::bench
