// The PC clock's sets on a clock and a performance counter of the test's own, since Wine never
// moves the real clock (it takes a change under 0.5 s without making it and refuses a larger
// one): each set lands on a whole millisecond within 1 ms and moves the clock as asked. The real
// calls are only read here, never set.
#include "platform/win32/win32_local_clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "platform/win32/clock_stamp.h"

namespace gpsclock {
namespace {

constexpr Nanoseconds kMs = kNanosecondsPerMillisecond;
constexpr std::int64_t kLookStep = 7'000;

// The counter moves on by 7 µs at every look, so a wait on it overshoots by less than that. The
// clock reads civil time `civilAtZero` + counter, from 12:20:05.6004, until a set moves it.
struct FakeClockCalls : ClockCalls {
  struct Set {
    std::int64_t at;  // the counter at the set, when the clock read `before`
    Nanoseconds before;
    LocalTimeRecord record;
  };

  LocalTimeRecord GetLocalTime() override { return CivilRecord(civilAtZero + Look()); }
  std::optional<LocalReading> ReadLocal() override {
    const std::int64_t now = Look();
    return LocalReading{civilAtZero + now, now};
  }
  std::int64_t MonotonicNs() override { return Look(); }
  bool EnableSetPrivilege() override { return privilege; }
  bool SetLocalTime(const LocalTimeRecord& record) override {
    sets.push_back({counter, civilAtZero + counter, record});
    if (!refuse) civilAtZero = CivilNanoseconds(record) - counter;
    return !refuse;
  }
  std::int64_t Look() { return counter += kLookStep; }

  std::int64_t counter = 5'000'000'000;
  Nanoseconds civilAtZero = CivilNanoseconds(2024, 5, 6, 12, 20, 0) + 600'400'000;
  bool privilege = true;
  bool refuse = false;
  std::vector<Set> sets;
};

LocalTimeRecord At(int second, int milliseconds) {
  return CivilRecord(CivilNanoseconds(2024, 5, 6, 12, 20, second, milliseconds));
}

TEST(Win32LocalClockTest, ASetMovesTheClockByRecordMinusReadingOnAWholeMillisecond) {
  // The reading itself moves nothing; a second later, one second on; an outright set; a step back.
  for (const LocalTimeRecord record : {At(5, 600), At(6, 600), At(7, 1), At(4, 600)}) {
    FakeClockCalls calls;
    const std::int64_t called = calls.counter;
    ASSERT_TRUE(Win32LocalClock(calls).SetLocalTime(record, At(5, 600)));
    ASSERT_EQ(calls.sets.size(), 1u);
    const auto& set = calls.sets[0];
    const Nanoseconds wholeMillisecond = set.before - set.before % kMs;
    EXPECT_LT(set.before - wholeMillisecond, kLookStep) << "not set on a whole millisecond";
    EXPECT_LE(set.at - called, kMs + 2 * kLookStep) << "waited longer than a millisecond";
    EXPECT_EQ(CivilNanoseconds(set.record) - wholeMillisecond,
              CivilNanoseconds(record) - CivilNanoseconds(At(5, 600)));
  }
}

// A byte stamped 300.4 ms before the call: the clock is set to where it should have been then,
// moved on by the 301 whole milliseconds at which the set lands.
TEST(Win32LocalClockTest, ASetAsOfAnArrivalAddsTheTimeSinceTheArrival) {
  FakeClockCalls calls;
  const std::int64_t arrival = calls.counter - 300'400'000;
  ASSERT_TRUE(Win32LocalClock(calls).SetLocalTimeAsOf(At(15, 1), arrival));
  ASSERT_EQ(calls.sets.size(), 1u);
  EXPECT_LT(calls.sets[0].at - arrival - 301 * kMs, kLookStep);
  EXPECT_EQ(CivilNanoseconds(calls.sets[0].record), CivilNanoseconds(At(15, 1)) + 301 * kMs);
}

// Without the right, and for an impossible record, Windows is not even asked.
TEST(Win32LocalClockTest, ASetFailsWithoutTheRightOrWhenRefusedOrImpossible) {
  FakeClockCalls calls;
  Win32LocalClock clock(calls);
  LocalTimeRecord impossible = At(6, 0);
  impossible.Month = 13;
  calls.privilege = false;
  EXPECT_FALSE(clock.SetLocalTimeAsOf(At(6, 0), calls.counter));
  calls.privilege = calls.refuse = true;
  EXPECT_FALSE(clock.SetLocalTime(impossible, At(5, 0)));
  EXPECT_FALSE(clock.SetLocalTime(At(6, 0), At(5, 0)));
  EXPECT_EQ(calls.sets.size(), 1u);
}

// The real calls, only read: the precise local reading agrees with GetLocalTime, and the arrival
// stamp with the system clock.
TEST(Win32LocalClockTest, TheRealReadingsAgree) {
  const Nanoseconds record = CivilNanoseconds(Win32LocalClock().GetLocalTime().value());
  EXPECT_NEAR(double(SystemClockCalls().ReadLocal().value().civil - record), 0, 1e9);
  const auto system = std::chrono::system_clock::now().time_since_epoch();
  EXPECT_NEAR(double(ReadClockStamp().realtimeNs), double(std::chrono::nanoseconds(system).count()),
              1e9);
}

}  // namespace
}  // namespace gpsclock
