// The time from the simulator's write() of a mark's start byte to the program's clock_settime
// for that mark, both on CLOCK_MONOTONIC.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "harness/scenario.h"

namespace gpsclock::bench {

struct MarkLatencies {
  std::vector<std::int64_t> latenciesNs;
  std::vector<std::string> problems;  // what makes the run void: it was unsafe, or marks went unset
};

// The scenario every latency run starts from: the PC clock on the GPS time inside the set window,
// so that every mark sets it outright to the second that mark's frame carries, plus 1 ms.
e2e::Scenario MarkScenario();
// Pairs each set of a run of MarkScenario with the start byte of its frame.
MarkLatencies JoinMarks(const e2e::ScenarioOutcome& outcome);
// Frames once a second, as the device sends them (a start byte marks a second only one second
// after its frame's own), `frames` - 1 marks.
MarkLatencies MeasureMarkLatencies(int frames);

}  // namespace gpsclock::bench
