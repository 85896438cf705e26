// The PC clock's sets on a clock and a performance counter of the test's own, since Wine never
// moves the real clock (it takes a change under 0.5 s without making it and refuses a larger
// one): each set lands on a whole millisecond within 1 ms and moves the clock as asked. The real
// calls are only read here.
#include "platform/win32/win32_local_clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "platform/win32/clock_stamp.h"

namespace gpsclock {
namespace {

constexpr Nanoseconds kMs = kNanosecondsPerMillisecond;
constexpr std::int64_t kLookStep = 7'000;

// The performance counter moves on by 7 µs at every look, so a wait on it overshoots by less than
// that; the PC clock reads local civil time `civilAtZero` + counter until a set puts it elsewhere.
// It starts at 12:20:05.6004.
class FakeClockCalls : public ClockCalls {
 public:
  struct Set {
    std::int64_t at;     // the counter at the set
    Nanoseconds before;  // what the clock read then
    LocalTimeRecord record;
  };

  LocalTimeRecord GetLocalTime() override { return CivilRecord(Civil(Look())); }
  std::optional<LocalReading> ReadLocal() override {
    const std::int64_t now = Look();
    return LocalReading{Civil(now), now};
  }
  std::int64_t MonotonicNs() override { return Look(); }
  bool EnableSetPrivilege() override { return privilege; }
  bool SetLocalTime(const LocalTimeRecord& record) override {
    sets.push_back({counter, Civil(counter), record});
    if (refuse) return false;
    civilAtZero = CivilNanoseconds(record) - counter;
    return true;
  }

  Nanoseconds Civil(std::int64_t counter) const { return civilAtZero + counter; }

  std::int64_t counter = 5'000'000'000;
  Nanoseconds civilAtZero = CivilNanoseconds(2024, 5, 6, 12, 20, 0) + 600'400'000;
  bool privilege = true;
  bool refuse = false;
  std::vector<Set> sets;

 private:
  std::int64_t Look() { return counter += kLookStep; }
};

LocalTimeRecord At(int second, int milliseconds) {
  return CivilRecord(CivilNanoseconds(2024, 5, 6, 12, 20, second, milliseconds));
}

TEST(Win32LocalClockTest, ASetMovesTheClockByRecordMinusReadingOnAWholeMillisecond) {
  const struct {
    const char* name;
    LocalTimeRecord record;
    LocalTimeRecord readAs;
  } cases[] = {
      {"the reading itself moves nothing", At(5, 600), At(5, 600)},
      {"a second later moves one second on", At(6, 600), At(5, 600)},
      {"an outright set", At(7, 1), At(5, 600)},
      {"a step back", At(4, 600), At(5, 600)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeClockCalls calls;
    Win32LocalClock clock(calls);
    const std::int64_t called = calls.counter;
    ASSERT_TRUE(clock.SetLocalTime(c.record, c.readAs));
    ASSERT_EQ(calls.sets.size(), 1u);
    const auto& set = calls.sets[0];
    const Nanoseconds wholeMillisecond = set.before - set.before % kMs;
    EXPECT_LT(set.before - wholeMillisecond, kLookStep) << "not set on a whole millisecond";
    EXPECT_LE(set.at - called, kMs + 2 * kLookStep) << "waited longer than a millisecond";
    EXPECT_EQ(CivilNanoseconds(set.record) - wholeMillisecond,
              CivilNanoseconds(c.record) - CivilNanoseconds(c.readAs));
  }
}

// A byte stamped 300.4 ms before the call: the clock is set to where it should have been then,
// moved on by the whole milliseconds at which the set lands.
TEST(Win32LocalClockTest, ASetAsOfAnArrivalAddsTheTimeSinceTheArrival) {
  FakeClockCalls calls;
  Win32LocalClock clock(calls);
  const std::int64_t arrival = calls.counter - 300'400'000;
  ASSERT_TRUE(clock.SetLocalTimeAsOf(At(15, 1), arrival));
  ASSERT_EQ(calls.sets.size(), 1u);
  const Nanoseconds since = calls.sets[0].at - arrival;
  EXPECT_LT(since % kMs, kLookStep) << "not set on a whole millisecond after the arrival";
  EXPECT_EQ(since - since % kMs, 301 * kMs);
  EXPECT_EQ(CivilNanoseconds(calls.sets[0].record), CivilNanoseconds(At(15, 1)) + 301 * kMs);
}

TEST(Win32LocalClockTest, ASetFailsWithoutTheRightOrWhenRefusedOrImpossible) {
  FakeClockCalls calls;
  Win32LocalClock clock(calls);
  calls.privilege = false;
  EXPECT_FALSE(clock.SetLocalTime(At(6, 0), At(5, 0)));
  EXPECT_FALSE(clock.SetLocalTimeAsOf(At(6, 0), calls.counter));
  EXPECT_TRUE(calls.sets.empty());
  calls.privilege = true;
  calls.refuse = true;
  EXPECT_FALSE(clock.SetLocalTime(At(6, 0), At(5, 0)));
  LocalTimeRecord impossible = At(6, 0);
  impossible.Month = 13;
  EXPECT_FALSE(clock.SetLocalTimeAsOf(impossible, calls.counter));
  EXPECT_EQ(calls.sets.size(), 1u);
}

// The real calls, read and never set: the precise reading, GetLocalTime and the arrival stamp tell
// the same time.
TEST(Win32LocalClockTest, TheRealReadingsAgree) {
  const LocalTimeRecord record = Win32LocalClock().GetLocalTime().value();
  const auto reading = SystemClockCalls().ReadLocal();
  ASSERT_TRUE(reading.has_value());
  EXPECT_NEAR(static_cast<double>(reading->civil - CivilNanoseconds(record)), 0.0, 1e9);
  EXPECT_EQ(record.DayOfWeek, CivilRecord(CivilNanoseconds(record)).DayOfWeek);
  const ClockStamp stamp = ReadClockStamp();
  const auto system = std::chrono::system_clock::now().time_since_epoch();
  EXPECT_NEAR(static_cast<double>(stamp.realtimeNs),
              static_cast<double>(std::chrono::nanoseconds(system).count()), 1e9);
  EXPECT_LE(stamp.monotonicNs, MonotonicNanoseconds());
}

}  // namespace
}  // namespace gpsclock
