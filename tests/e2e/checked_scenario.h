// Runs as tests: a failure for whatever kept a run from starting or ending, or made it unsafe.
#pragma once

#include <vector>

#include "harness/scenario.h"

namespace gpsclock::e2e {

ScenarioOutcome FinishChecked(ScenarioRun& run);

// Starts, runs to the end and checks a scenario that needs nothing done in between.
ScenarioOutcome RunScenario(const Scenario& scenario);

struct MarkSet {
  SentFrame mark;
  ClockSet set;
};

// Each mark of the run with the one set the program made at it, in order; a test failure and
// nothing when the run did not have `marks` marks, each with one set.
std::vector<MarkSet> SetAtEveryMark(const ScenarioOutcome& outcome, std::size_t marks);

}  // namespace gpsclock::e2e
