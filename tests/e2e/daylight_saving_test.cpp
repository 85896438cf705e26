// Black-box: the program and the device in New York on the days its clocks change. The PC clock a
// few seconds behind is set outright at every mark to the mark's instant plus the line delay, in
// both times through the hour that autumn repeats and either side of the hour that spring skips;
// no set lands an hour away.
#include <gtest/gtest.h>

#include <ostream>

#include "checked_scenario.h"

namespace gpsclock::e2e {
namespace {

struct ZoneChangeCase {
  const char* name;
  std::int64_t gpsSeconds;

  friend void PrintTo(const ZoneChangeCase& c, std::ostream* out) { *out << c.name; }
};

// BaudDelayMs at 9600 baud, the speed of the scenario's config.cfg.
constexpr std::int64_t kLineDelayMs = 1;

class DaylightSavingTest : public testing::TestWithParam<ZoneChangeCase> {};

TEST_P(DaylightSavingTest, EverySetIsTheMarkPlusTheLineDelay) {
  Scenario scenario;
  scenario.timeZone = "America/New_York";
  scenario.gpsSeconds = GetParam().gpsSeconds;
  scenario.pcAheadSeconds = -5;
  scenario.simulatorOptions = {"--frames", "4"};
  const auto marks = SetAtEveryMark(RunScenario(scenario), 3);
  ASSERT_FALSE(marks.empty());

  EXPECT_NEAR(marks.front().set.clockWasNs, (marks.front().mark.second - 5) * kNanosecondsPerSecond,
              500 * kNanosecondsPerMillisecond);
  for (const auto& [mark, set] : marks) {
    EXPECT_TRUE(AskedFor(set, OutrightSetAt(mark, kLineDelayMs)));
  }
}

INSTANTIATE_TEST_SUITE_P(
    NewYork, DaylightSavingTest,
    testing::Values(
        // 2024-11-03: 02:00 EDT becomes 01:00 EST, so 01:20 comes first at 05:20 UTC, then at
        // 06:20 UTC.
        ZoneChangeCase{"RepeatedHourFirstTime", UtcSeconds(2024, 11, 3, 5, 20, 0)},
        ZoneChangeCase{"RepeatedHourSecondTime", UtcSeconds(2024, 11, 3, 6, 20, 0)},
        // 2024-03-10: 02:00 EST becomes 03:00 EDT.
        ZoneChangeCase{"HourBeforeTheSkip", UtcSeconds(2024, 3, 10, 6, 20, 0)},
        ZoneChangeCase{"HourAfterTheSkip", UtcSeconds(2024, 3, 10, 7, 20, 0)}),
    [](const testing::TestParamInfo<ZoneChangeCase>& info) {
      return std::string(info.param.name);
    });

}  // namespace
}  // namespace gpsclock::e2e
