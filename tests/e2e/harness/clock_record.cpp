// One line per event, the first word saying which.
#include "harness/clock_record.h"

#include <fstream>
#include <sstream>

namespace gpsclock::e2e {

ClockRecord ReadClockRecord(const std::string& path) {
  ClockRecord record;
  std::ifstream file(path);
  std::string line;
  while (std::getline(file, line)) {
    std::istringstream fields(line);
    std::string kind;
    fields >> kind;
    if (kind == "loaded") {
      ClockLoad load;
      fields >> load.processId >> load.userId >> std::hex >> load.effectiveCapabilities;
      record.loads.push_back(load);
    } else if (kind == "set") {
      ClockSet set;
      std::string result;
      fields >> set.askedNs >> set.clockWasNs >> set.monotonicNs >> result;
      set.succeeded = result == "ok";
      record.sets.push_back(set);
    } else if (kind == "violation") {
      std::string function;
      fields >> function;
      record.violations.push_back(function);
    }
  }
  return record;
}

}  // namespace gpsclock::e2e
