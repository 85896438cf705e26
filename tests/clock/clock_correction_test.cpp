// The correction at one on-time mark: the lock gate, the date test, the minute window, the outright
// set and the one-second step, seen in what the PC clock was asked to do.
#include <gtest/gtest.h>

#include <optional>

#include "clock/on_time_mark.h"
#include "port/baud_table.h"

namespace gpsclock {
namespace {

// Port 1 at 9600 baud (BaudDelayMs 1), synchronisation only while locked, 5 error days.
constexpr const char* kAt9600 = "4,1,0,5\r\n";
constexpr const char* kAt4800 = "3,1,0,5\r\n";
constexpr const char* kAt2400 = "2,1,0,5\r\n";
constexpr const char* kAt1200 = "1,1,0,5\r\n";
constexpr const char* kSyncWhenUnlockedAt9600 = "4,1,1,5\r\n";

// Monday 6 May 2024.
Nanoseconds May6(int hour, int minute, int second, int milliseconds = 0) {
  return CivilNanoseconds(2024, 5, 6, hour, minute, second, milliseconds);
}

struct MarkCase {
  const char* name;
  const char* config;
  Nanoseconds pcClock;   // the local clock as read at the mark
  Nanoseconds received;  // ReceivedTime at the mark
  std::int16_t backStepCounterBefore;
  std::optional<Nanoseconds> setTo;  // what the clock is set to; nothing: SetLocalTime not called
  std::int16_t backStepCounterAfter;

  friend void PrintTo(const MarkCase& c, std::ostream* out) { *out << c.name; }
};

class CorrectionAtTheMark : public testing::TestWithParam<MarkCase> {};

GpsTime AsGpsTime(Nanoseconds civil) {
  const LocalTimeRecord r = CivilRecord(civil);
  const auto field = [](std::uint16_t value) { return static_cast<std::int16_t>(value); };
  return {field(r.Second), field(r.Minute), field(r.Hour),
          field(r.Month),  field(r.Year),   field(r.Day)};
}

TEST_P(CorrectionAtTheMark, DecidesAsTheRulesSay) {
  const MarkCase& c = GetParam();
  const auto baud = LookUpBaudCode(static_cast<std::int16_t>(c.config[0] - '0'));
  ASSERT_TRUE(baud);
  const CorrectionDecision decision = DecideCorrection(
      CivilRecord(c.pcClock), AsGpsTime(c.received), baud->delayMs, c.backStepCounterBefore);
  const bool sets =
      decision.kind != CorrectionKind::kDatesDiffer && decision.kind != CorrectionKind::kNone;
  ASSERT_EQ(sets, c.setTo.has_value());
  // The whole record: date, time, milliseconds and the day of week (the same date as read).
  if (c.setTo) {
    EXPECT_EQ(decision.setTo, CivilRecord(*c.setTo));
  }
  EXPECT_EQ(decision.backStepCounter, c.backStepCounterAfter);
}

// The same marks from start-up, where the counter is 0, through the frames to the PC clock.
TEST_P(CorrectionAtTheMark, SetsThePcClockAsDecided) {
  const MarkCase& c = GetParam();
  if (c.backStepCounterBefore != 0) GTEST_SKIP() << "the counter is 0 only at start-up";
  SimulatedProgram sim;
  sim.Start(c.config);

  SendFrameAndMark(sim, c.pcClock, c.received);

  const auto& sets = sim.platform.clock.Sets();
  if (c.setTo) {
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].record, CivilRecord(*c.setTo));
    EXPECT_EQ(sim.platform.clock.Time(), *c.setTo);
  } else {
    EXPECT_TRUE(sets.empty());
    EXPECT_EQ(sim.platform.clock.Time(), c.pcClock);
  }
  EXPECT_EQ(sim.program.Correction().BackStepCounter(), c.backStepCounterAfter);
}

auto CaseName = [](const testing::TestParamInfo<MarkCase>& info) { return info.param.name; };

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, CorrectionAtTheMark,
    testing::Values(MarkCase{"TwoSecondsBehindIsSetOutright", kAt9600, May6(12, 20, 5, 600),
                             May6(12, 20, 7), 0, May6(12, 20, 7, 1), 0},
                    MarkCase{"TenSecondsBehindIsSetOutright", kAt9600, May6(12, 20, 5),
                             May6(12, 20, 15), 0, May6(12, 20, 15, 1), 0},
                    MarkCase{"TenSecondsBehindAt1200BaudIsSetWithEightMilliseconds", kAt1200,
                             May6(12, 20, 5), May6(12, 20, 15), 0, May6(12, 20, 15, 8), 0},
                    MarkCase{"ElevenSecondsBehindStepsForwardKeepingTheMilliseconds", kAt9600,
                             May6(12, 20, 5, 400), May6(12, 20, 16), 0, May6(12, 20, 6, 400), 0},
                    MarkCase{"ForwardStepAtSecond59CarriesIntoTheMinute", kAt9600,
                             May6(12, 30, 59, 250), May6(12, 31, 30), 0, May6(12, 31, 0, 250), 0},
                    MarkCase{"BackwardMarkWithCounterAtTwoStepsBack", kAt9600,
                             May6(12, 40, 30, 700), May6(12, 40, 0), 2, May6(12, 40, 29, 700), 1},
                    MarkCase{"BackwardMarkWithCounterAtOneWritesTheClockBack", kAt9600,
                             May6(12, 40, 31, 100), May6(12, 40, 1), 1, May6(12, 40, 31, 100), 2},
                    MarkCase{"BackwardStepAtSecondZeroBorrowsAMinute", kAt9600,
                             May6(12, 41, 0, 500), May6(12, 40, 40), 2, May6(12, 40, 59, 500), 1},
                    MarkCase{"MinuteNineIsOutsideTheWindow", kAt9600, May6(11, 9, 59),
                             May6(11, 10, 0), 0, std::nullopt, 0},
                    MarkCase{"MinuteFiftyOneFarOffIsWrittenBackUnchanged", kAt9600, May6(12, 51, 0),
                             May6(12, 51, 20), 0, May6(12, 51, 0), 0},
                    MarkCase{"MinuteFiftyIsInsideTheWindow", kAt9600, May6(12, 50, 59),
                             May6(12, 50, 58), 0, May6(12, 50, 58, 1), 0},
                    MarkCase{"OneSecondAcrossMidnightIsNotCorrected", kAt9600,
                             CivilNanoseconds(2024, 5, 6, 23, 59, 59),
                             CivilNanoseconds(2024, 5, 7, 0, 0, 0), 0, std::nullopt, 0}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    WindowAndLimitBoundaries, CorrectionAtTheMark,
    testing::Values(
        MarkCase{"MinuteTenIsInsideTheWindow", kAt9600, May6(12, 10, 0, 900), May6(12, 10, 3), 0,
                 May6(12, 10, 3, 1), 0},
        MarkCase{"MinuteNineFarOffIsWrittenBackUnchanged", kAt9600, May6(12, 9, 30, 250),
                 May6(12, 9, 50), 0, May6(12, 9, 30, 250), 0},
        MarkCase{"MinuteFiftyOneNearIsLeftAlone", kAt9600, May6(12, 51, 30), May6(12, 51, 25), 0,
                 std::nullopt, 0},
        MarkCase{"MinuteFiftyFarOffSteps", kAt9600, May6(12, 50, 30), May6(12, 50, 50), 0,
                 May6(12, 50, 31), 0},
        MarkCase{"GpsMinuteTenDoesNotOpenTheWindow", kAt9600, May6(12, 9, 55), May6(12, 10, 5), 0,
                 std::nullopt, 0},
        MarkCase{"GpsMinuteFiftyOneDoesNotCloseTheWindow", kAt9600, May6(12, 50, 55),
                 May6(12, 51, 5), 0, May6(12, 51, 5, 1), 0},
        MarkCase{"SameSecondIsSetAgain", kAt9600, May6(12, 20, 15, 437), May6(12, 20, 15), 0,
                 May6(12, 20, 15, 1), 0},
        MarkCase{"TenSecondsAheadIsSetOutrightWithoutCounting", kAt9600, May6(12, 20, 25),
                 May6(12, 20, 15), 0, May6(12, 20, 15, 1), 0},
        MarkCase{"ElevenSecondsAheadCountsABackwardMark", kAt9600, May6(12, 20, 26, 50),
                 May6(12, 20, 15), 0, May6(12, 20, 26, 50), 1},
        MarkCase{"At4800BaudTheOutrightSetHasTwoMilliseconds", kAt4800, May6(12, 20, 5),
                 May6(12, 20, 6), 0, May6(12, 20, 6, 2), 0},
        MarkCase{"At2400BaudTheOutrightSetHasFourMilliseconds", kAt2400, May6(12, 20, 5),
                 May6(12, 20, 6), 0, May6(12, 20, 6, 4), 0},
        MarkCase{"BackwardStepAtSecondOneGivesSecondZero", kAt9600, May6(12, 40, 1, 300),
                 May6(12, 39, 30), 2, May6(12, 40, 0, 300), 1},
        // Ten hours is more than 16 bits of seconds; it is still a difference of more than 10 s.
        MarkCase{"TenHoursBehindStepsForward", kAt9600, May6(2, 20, 0, 250), May6(12, 20, 5), 0,
                 May6(2, 20, 1, 250), 0},
        MarkCase{"TenHoursAheadStepsBackward", kAt9600, May6(22, 20, 0), May6(12, 20, 0), 2,
                 May6(22, 19, 59), 1}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    OtherDates, CorrectionAtTheMark,
    testing::Values(
        MarkCase{"LocalDayOneLaterIsLeftAlone", kAt9600, CivilNanoseconds(2024, 5, 7, 12, 20, 5),
                 May6(12, 20, 5), 0, std::nullopt, 0},
        MarkCase{"GpsDayOneLaterIsLeftAlone", kAt9600, May6(12, 20, 5),
                 CivilNanoseconds(2024, 5, 7, 12, 20, 5), 0, std::nullopt, 0},
        MarkCase{"OtherMonthFarOffIsLeftAlone", kAt9600, CivilNanoseconds(2024, 6, 6, 12, 20, 5),
                 May6(12, 30, 5), 2, std::nullopt, 2},
        MarkCase{"OtherYearIsLeftAlone", kAt9600, CivilNanoseconds(2025, 5, 6, 12, 20, 5),
                 May6(12, 20, 5), 0, std::nullopt, 0}),
    CaseName);

// The simulated clock, reporting a day of week of its own, so that a day of week passed on as
// read can be told from one worked out from the date.
class ClockWithOwnDayOfWeek : public LocalClock {
 public:
  ClockWithOwnDayOfWeek(SimulatedClock& clock, std::uint16_t dayOfWeek)
      : clock_(clock), dayOfWeek_(dayOfWeek) {}
  std::optional<LocalTimeRecord> GetLocalTime() override {
    auto reading = clock_.GetLocalTime();
    if (reading) reading->DayOfWeek = dayOfWeek_;
    return reading;
  }
  bool SetLocalTime(const LocalTimeRecord& record, const LocalTimeRecord& readAs) override {
    return clock_.SetLocalTime(record, readAs);
  }
  bool SetLocalTimeAsOf(const LocalTimeRecord& record, std::int64_t asOfMonotonicNs) override {
    return clock_.SetLocalTimeAsOf(record, asOfMonotonicNs);
  }

 private:
  SimulatedClock& clock_;
  std::uint16_t dayOfWeek_;
};

struct DayOfWeekCase {
  const char* name;
  Nanoseconds received;

  friend void PrintTo(const DayOfWeekCase& c, std::ostream* out) { *out << c.name; }
};

class DayOfWeekAtTheMark : public testing::TestWithParam<DayOfWeekCase> {};

TEST_P(DayOfWeekAtTheMark, IsPassedOnAsRead) {
  SimulatedPlatform platform;
  ClockWithOwnDayOfWeek clock(platform.clock, 4);  // Thursday, on a Monday
  Program program({platform.serial, clock, platform.Timer1, platform.Timer2, platform.SignalWatch,
                   platform.PortRetry, platform.files, platform.encoder, platform.samples});
  platform.files.Put("config.cfg", kAt9600);
  program.StartUp();

  platform.serial.Receive(MakeFrame(GetParam().received - kNanosecondsPerSecond, 'A'));
  platform.time.AdvanceBy(kMarkAfterFrame);
  platform.clock.SetTime(May6(12, 20, 5));
  platform.serial.Receive("\x01");
  platform.serial.Receive(MakeFrame(GetParam().received, 'A').substr(1));

  ASSERT_EQ(platform.clock.Sets().size(), 1u);
  EXPECT_EQ(platform.clock.Sets()[0].record.DayOfWeek, 4);
}

INSTANTIATE_TEST_SUITE_P(Sets, DayOfWeekAtTheMark,
                         testing::Values(DayOfWeekCase{"OutrightSet", May6(12, 20, 7)},
                                         DayOfWeekCase{"ForwardStep", May6(12, 21, 0)}),
                         [](const testing::TestParamInfo<DayOfWeekCase>& info) {
                           return info.param.name;
                         });

struct GateCase {
  const char* name;
  const char* config;
  char status;
  bool clockRead;  // read once at the mark, and then set outright

  friend void PrintTo(const GateCase& c, std::ostream* out) { *out << c.name; }
};

class LockGate : public testing::TestWithParam<GateCase> {};

TEST_P(LockGate, DecidesWhetherTheClockIsEvenRead) {
  const GateCase& c = GetParam();
  SimulatedProgram sim;
  sim.Start(c.config);
  SendFrameAndMark(sim, May6(12, 20, 5, 500), May6(12, 20, 8), c.status);
  // Every Timer1 tick reads the clock once; the other reads were the mark's.
  EXPECT_EQ(sim.platform.clock.Reads() - sim.platform.Timer1.TickTimes().size(),
            c.clockRead ? 1u : 0u);
  EXPECT_EQ(sim.platform.clock.Sets().size(), c.clockRead ? 1u : 0u);
  // LocalTime holds the reading as set, or stays all zero from start-up.
  EXPECT_EQ(sim.program.Correction().LocalTime(),
            c.clockRead ? CivilRecord(May6(12, 20, 8, 1)) : LocalTimeRecord{});
}

INSTANTIATE_TEST_SUITE_P(
    Marks, LockGate,
    testing::Values(
        GateCase{"LockedMarkIsCorrected", kAt9600, 'A', true},
        GateCase{"UnlockedMarkLeavesTheClockUnread", kAt9600, 'V', false},
        GateCase{"UnknownStatusLeavesTheClockUnread", kAt9600, 'X', false},
        // A frame with neither letter skipped the locked frame's advance: it never sets.
        GateCase{"SyncWhenUnlockedCorrectsALockedMark", kSyncWhenUnlockedAt9600, 'A', true},
        GateCase{"SyncWhenUnlockedCorrectsAnUnlockedMark", kSyncWhenUnlockedAt9600, 'V', true},
        GateCase{"SyncWhenUnlockedLeavesAFrameOfUnknownStatusAlone", kSyncWhenUnlockedAt9600, 'X',
                 false}),
    [](const testing::TestParamInfo<GateCase>& info) { return info.param.name; });

// An unlocked frame carries the second before its mark as a locked one does, but is not advanced
// at the decode: the set adds that second, so it is as right as a locked frame's.
TEST(LockGate, SyncWhenUnlockedSetsEveryMarkOfEitherStatusToItsSecond) {
  SimulatedProgram sim;
  sim.Start(kSyncWhenUnlockedAt9600);
  const std::string statuses = "AVVAXA";
  std::size_t setsSoFar = 0;
  for (std::size_t i = 0; i < statuses.size(); ++i) {
    const Nanoseconds received =
        May6(12, 30, 0) + static_cast<Nanoseconds>(i) * 60 * kNanosecondsPerSecond;
    SendFrameAndMark(sim, received - 4 * kNanosecondsPerSecond, received, statuses[i]);
    const auto& sets = sim.platform.clock.Sets();
    if (statuses[i] != 'X') ++setsSoFar;
    ASSERT_EQ(sets.size(), setsSoFar) << "mark " << i << " " << statuses[i];
    if (statuses[i] != 'X') {
      EXPECT_EQ(sets.back().record, CivilRecord(received + kNanosecondsPerMillisecond));
    }
  }
}

struct ErrorDaysCase {
  const char* name;
  char status;
  Nanoseconds pcClock;
  Nanoseconds received;
  std::int16_t errorDays;

  friend void PrintTo(const ErrorDaysCase& c, std::ostream* out) { *out << c.name; }
};

class ErrorDaysAtTheMark : public testing::TestWithParam<ErrorDaysCase> {};

TEST_P(ErrorDaysAtTheMark, BecomesTheOutrightSetLimitOncePastTheDateTest) {
  const ErrorDaysCase& c = GetParam();
  SimulatedProgram sim;
  sim.Start(kAt9600);
  ASSERT_EQ(sim.program.Settings().ErrorDays, 5);
  SendFrameAndMark(sim, c.pcClock, c.received, c.status);
  EXPECT_EQ(sim.program.Settings().ErrorDays, c.errorDays);
}

INSTANTIATE_TEST_SUITE_P(
    Marks, ErrorDaysAtTheMark,
    testing::Values(
        ErrorDaysCase{"SameDateInsideTheWindow", 'A', May6(12, 20, 5), May6(12, 20, 7), 10},
        ErrorDaysCase{"SameDateOutsideTheWindow", 'A', May6(12, 55, 5), May6(12, 55, 7), 10},
        ErrorDaysCase{"OtherDate", 'A', CivilNanoseconds(2024, 5, 7, 12, 20, 5), May6(12, 20, 7),
                      5},
        ErrorDaysCase{"Unlocked", 'V', May6(12, 20, 5), May6(12, 20, 7), 5}),
    [](const testing::TestParamInfo<ErrorDaysCase>& info) { return info.param.name; });

}  // namespace
}  // namespace gpsclock
