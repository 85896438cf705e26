// The time from starting the program to its main window being shown, on an X display.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gpsclock::bench {

struct WindowStarts {
  std::vector<std::int64_t> startsNs;  // the first start first: it may find colder caches
  std::vector<std::string> problems;
};

// `program` as for MarkScenario.
WindowStarts MeasureWindowStarts(const std::string& program, int starts);

}  // namespace gpsclock::bench
