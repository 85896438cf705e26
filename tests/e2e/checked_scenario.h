// Runs as tests: a failure for whatever kept a run from starting or ending, or made it unsafe.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
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

// A set moves the clock from the moment of the call by what the program decided at its reading of
// the clock: the moment passed between the two, a few microseconds, comes on top. No more than
// this much.
inline constexpr std::int64_t kReadToSetAllowanceNs = 2 * kNanosecondsPerMillisecond;

// Whether a set asked for `expectedNs`: not earlier, and later by no more than the allowance.
testing::AssertionResult AskedFor(std::int64_t askedNs, std::int64_t expectedNs);
// Whether the program's sets asked for `expectedNs`, one each, in order.
testing::AssertionResult SetsAskedFor(const ClockRecord& clock,
                                      const std::vector<std::int64_t>& expectedNs);

// The device's clock at a CLOCK_MONOTONIC moment: each start byte goes out on its second, so it
// is the time of the start byte sent last before it and what passed since.
std::int64_t DeviceTimeAt(const std::vector<SentFrame>& frames, std::int64_t monotonicNs);

// The sets a program with a PC clock less than 10 s off must ask for: at every start byte that
// follows a locked frame received whole, the received time plus the line delay. Only frames whose
// start byte came after `sinceNs` (CLOCK_MONOTONIC) count as received, and only a frame numbered
// one below the next one counts as followed by its start byte.
std::vector<std::int64_t> OutrightSetsAfter(const std::vector<SentFrame>& frames,
                                            std::int64_t sinceNs, std::int64_t lineDelayMs);

}  // namespace gpsclock::e2e
