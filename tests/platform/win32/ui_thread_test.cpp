// Timers and posted tasks on the user-interface thread, driven by a message loop as the program's
// own: the countdown that an enable keeps, the one-shot tick, tasks handed over by another thread.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "event_loop.h"
#include "platform/win32/ui_thread_tasks.h"
#include "platform/win32/win32_ui_timer.h"

namespace gpsclock {
namespace {

// Enabled far more often than its period, a timer that restarted its countdown would never tick;
// the receive blink, which disables itself in its tick, ticks once.
TEST(Win32UiTimerTest, EnablingKeepsARunningCountdownAndADisabledTimerTicksNoMore) {
  const auto timer = Win32UiTimer::Create(60, true);
  const auto poker = Win32UiTimer::Create(10, true);
  const auto blink = Win32UiTimer::Create(10, true);
  int ticks = 0;
  int blinks = 0;
  timer->SetTickHandler([&] { ++ticks; });
  poker->SetTickHandler([&] { timer->Enable(); });
  blink->SetTickHandler([&] {
    ++blinks;
    blink->Disable();
  });
  EXPECT_TRUE(RunEventsUntil([&] { return ticks >= 2; }));
  EXPECT_EQ(blinks, 1);
}

TEST(UiThreadTasksTest, TasksPostedByAnotherThreadRunOnThisThreadInOrder) {
  const auto tasks = UiThreadTasks::Create();
  const DWORD uiThread = GetCurrentThreadId();
  std::vector<int> ran;
  bool allOnUiThread = true;
  std::thread reader([&, post = tasks->Poster()] {
    for (int i = 0; i < 100; ++i) {
      EXPECT_TRUE(post([&, i] {
        ran.push_back(i);
        allOnUiThread = allOnUiThread && GetCurrentThreadId() == uiThread;
      }));
    }
  });
  const bool allRan = RunEventsUntil([&] { return ran.size() == 100; });
  reader.join();
  ASSERT_TRUE(allRan);
  EXPECT_TRUE(allOnUiThread);
  for (std::size_t i = 0; i < ran.size(); ++i) EXPECT_EQ(ran[i], int(i));
}

}  // namespace
}  // namespace gpsclock
