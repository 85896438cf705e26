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

// A set written back unchanged moves the clock from the moment of the call by nothing: it asks for
// the time the program read just before, a few microseconds before the fake clock looks. No more
// than this much before.
inline constexpr std::int64_t kReadToSetAllowanceNs = 2 * kNanosecondsPerMillisecond;

// An outright set puts the clock where it should have been when the mark's start byte arrived,
// moved on by the time since: on the device's time plus the line delay, but for the moment the
// program took to see the start byte after the simulator wrote it. No further off than this, either
// way; a stray start byte would be 40 ms off, an adapter's held one 16 ms.
inline constexpr std::int64_t kSetAllowanceNs = 10 * kNanosecondsPerMillisecond;

// An outright set the program must make: at the mark whose start byte the simulator wrote at
// `markMonotonicNs`, to the mark's time plus the line delay, `markTimeNs`.
struct ExpectedSet {
  std::int64_t markTimeNs = 0;
  std::int64_t markMonotonicNs = 0;
};
ExpectedSet OutrightSetAt(const SentFrame& mark, std::int64_t lineDelayMs);

// Whether `set` put the clock on the expected mark's time moved on to the moment of the set,
// within kSetAllowanceNs.
testing::AssertionResult AskedFor(const ClockSet& set, const ExpectedSet& expected);
// Whether the program's sets were the expected ones, one each, in order.
testing::AssertionResult SetsAskedFor(const ClockRecord& clock,
                                      const std::vector<ExpectedSet>& expected);

// The sets a program with a PC clock less than 10 s off must make: at every start byte that follows
// a locked frame received whole, to the received time plus the line delay. Only frames whose
// start byte came after `sinceNs` (CLOCK_MONOTONIC) count as received, and only a frame numbered
// one below the next one counts as followed by its start byte.
std::vector<ExpectedSet> OutrightSetsAfter(const std::vector<SentFrame>& frames,
                                           std::int64_t sinceNs, std::int64_t lineDelayMs);

}  // namespace gpsclock::e2e
