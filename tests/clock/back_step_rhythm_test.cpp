// The backward pace over a run of mixed marks: a PC clock ahead steps back one second at every
// second backward mark, counted from start-up, whatever comes in between.
#include <gtest/gtest.h>

#include "clock/on_time_mark.h"

namespace gpsclock {
namespace {

constexpr Nanoseconds kSecond = kNanosecondsPerSecond;

// What one mark did to the PC clock.
enum Outcome : char {
  kNotSet = '.',
  kWrittenBack = '=',
  kSteppedBack = '<',
  kSteppedForward = '>',
  kSetOutright = 'o',
  kSomethingElse = '?',
};

Outcome OutcomeOfMark(const SimulatedClock& clock, std::size_t setsBefore, Nanoseconds pcClock,
                      Nanoseconds received) {
  if (clock.Sets().size() == setsBefore) return kNotSet;
  if (clock.Sets().size() != setsBefore + 1) return kSomethingElse;
  const LocalTimeRecord& record = clock.Sets().back().record;
  if (record == CivilRecord(pcClock)) return kWrittenBack;
  if (record == CivilRecord(pcClock - kSecond)) return kSteppedBack;
  if (record == CivilRecord(pcClock + kSecond)) return kSteppedForward;
  if (record == CivilRecord(received + kNanosecondsPerMillisecond)) return kSetOutright;
  return kSomethingElse;
}

struct RhythmCase {
  const char* name;
  // One letter per event: b a mark with the PC 30 s ahead, f 30 s behind, o 3 s ahead (outright
  // set), w 30 s ahead at minute 55 (outside the window), u 30 s ahead but unlocked; t switches
  // synchronisation off and on again between marks.
  const char* events;
  const char* outcomes;  // one Outcome per mark

  friend void PrintTo(const RhythmCase& c, std::ostream* out) { *out << c.name; }
};

class BackStepRhythm : public testing::TestWithParam<RhythmCase> {};

TEST_P(BackStepRhythm, StepsBackAtEverySecondBackwardMark) {
  const RhythmCase& c = GetParam();
  SimulatedProgram sim;
  sim.Start("4,1,0,5\r\n");
  std::string outcomes;
  Nanoseconds received = CivilNanoseconds(2024, 5, 6, 12, 30, 0);
  for (const char event : std::string(c.events)) {
    received += kSecond;
    if (event == 't') {
      sim.program.OnStopTimeCommand();
      sim.program.OnStopTimeCommand();
      continue;
    }
    Nanoseconds markTime = received;
    Nanoseconds pcAhead = 30 * kSecond;
    char status = 'A';
    if (event == 'f') pcAhead = -30 * kSecond;
    if (event == 'o') pcAhead = 3 * kSecond;
    if (event == 'w') markTime += 25 * 60 * kSecond;
    if (event == 'u') status = 'V';
    const std::size_t setsBefore = sim.platform.clock.Sets().size();
    SendFrameAndMark(sim, markTime + pcAhead, markTime, status);
    outcomes += OutcomeOfMark(sim.platform.clock, setsBefore, markTime + pcAhead, markTime);
  }
  EXPECT_EQ(outcomes, c.outcomes);
}

INSTANTIATE_TEST_SUITE_P(
    MixedMarks, BackStepRhythm,
    testing::Values(RhythmCase{"FirstStepAtTheThirdBackwardMarkFromStartUp", "bbb", "==<"},
                    RhythmCase{"ThenAtEverySecondBackwardMark", "bbbbbbbb", "==<=<=<="},
                    RhythmCase{"ForwardMarksInBetweenDoNotCount", "bfbfbfbfb", "=>=><>=><"},
                    RhythmCase{"OutrightSetsInBetweenDoNotCount", "bobobobob", "=o=o<o=o<"},
                    RhythmCase{"MarksOutsideTheWindowDoNotCount", "bwbwbwb", "====<=="},
                    RhythmCase{"UnlockedMarksDoNotCount", "bububub", "=.=.<.="},
                    RhythmCase{"SwitchingSynchronisationOffAndOnDoesNotReset", "btbtbtb", "==<="}),
    [](const testing::TestParamInfo<RhythmCase>& info) { return info.param.name; });

}  // namespace
}  // namespace gpsclock
