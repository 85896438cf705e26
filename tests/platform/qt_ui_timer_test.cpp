// The Qt timer's state, its ticks, and that enabling a running timer leaves its countdown alone.
#include "platform/qt/qt_ui_timer.h"

#include <gtest/gtest.h>

#include "event_loop.h"

namespace gpsclock {
namespace {

TEST(QtUiTimerTest, StartsEnabledOrNotWithItsInterval) {
  EnsureApplication();
  const QtUiTimer running(250, true);
  EXPECT_TRUE(running.IsEnabled());
  EXPECT_EQ(running.Interval(), 250);
  const QtUiTimer stopped(100, false);
  EXPECT_FALSE(stopped.IsEnabled());
  EXPECT_EQ(stopped.Interval(), 100);
}

TEST(QtUiTimerTest, ChangingTheIntervalKeepsTheTimerRunningOrStopped) {
  EnsureApplication();
  QtUiTimer timer(1000, false);
  timer.SetInterval(500);
  EXPECT_FALSE(timer.IsEnabled());
  EXPECT_EQ(timer.Interval(), 500);
  timer.Enable();
  timer.SetInterval(200);
  EXPECT_TRUE(timer.IsEnabled());
  EXPECT_EQ(timer.Interval(), 200);
  timer.Disable();
  EXPECT_FALSE(timer.IsEnabled());
  EXPECT_EQ(timer.Interval(), 200);
}

TEST(QtUiTimerTest, TicksCallTheHandler) {
  EnsureApplication();
  QtUiTimer timer(1, true);
  int ticks = 0;
  timer.SetTickHandler([&] { ++ticks; });
  EXPECT_TRUE(RunEventsUntil([&] { return ticks >= 3; }));
}

// Enabled far more often than its period, a timer that restarted its countdown would never tick.
TEST(QtUiTimerTest, EnablingARunningTimerKeepsItsCountdown) {
  EnsureApplication();
  QtUiTimer timer(50, true);
  int ticks = 0;
  timer.SetTickHandler([&] { ++ticks; });
  QtUiTimer poker(2, true);
  poker.SetTickHandler([&] { timer.Enable(); });
  EXPECT_TRUE(RunEventsUntil([&] { return ticks >= 2; }));
}

}  // namespace
}  // namespace gpsclock
