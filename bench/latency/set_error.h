// Where each set of a run put the clock, against the device's true time at that moment: the
// figure a clock that sets itself from the device is judged by.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "harness/scenario.h"

namespace gpsclock::bench {

struct SetErrors {
  // One per set, in order: where the set put the clock minus the device's time at the set and
  // the 1 ms the design adds for the line, which a pseudo-terminal does not have.
  std::vector<std::int64_t> errorsNs;
  // The frame the device was sending at each set: the mark's own frame, or the one a wrong set
  // came in.
  std::vector<std::int64_t> frameNumbers;
  std::size_t marksSent = 0;
  std::vector<std::string> problems;  // what makes the run void
};

// The run every clean figure starts from: frames once a second at 9600 baud, locked, from 12:15
// on the device, the PC clock on the same second, so that every mark sets the clock outright.
// The program is build/gpsclock unless `program` names another build or a stand-in.
e2e::Scenario MarkScenario(const std::string& program, int frames);

// The run is void when it was unsafe, the simulator did not end, or a mark set nothing that
// was not a spoilt frame's or the one after it (a mark its frame may fail to confirm).
SetErrors JudgeSets(const e2e::ScenarioOutcome& outcome);
SetErrors MeasureSetErrors(const e2e::Scenario& scenario);

// The sets further than `limitNs` from the device's time, as "frame 12: +8000.012 ms".
std::vector<std::string> WrongSets(const SetErrors& sets, std::int64_t limitNs);
// The size of every error, for percentiles.
std::vector<std::int64_t> Magnitudes(const SetErrors& sets);

}  // namespace gpsclock::bench
