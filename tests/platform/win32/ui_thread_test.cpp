// Timers and posted tasks on the user-interface thread, driven by a message loop as the program's
// own: ticks, the countdown that an enable keeps, the one-shot tick, tasks handed over by another
// thread.
#include <gtest/gtest.h>

#include <functional>
#include <thread>
#include <vector>

#include "platform/win32/ui_thread_tasks.h"
#include "platform/win32/win32_ui_timer.h"

namespace gpsclock {
namespace {

// Runs the thread's message loop until `done` holds; false when it does not within 5 s.
bool RunMessagesUntil(const std::function<bool()>& done) {
  const ULONGLONG deadline = GetTickCount64() + 5000;
  while (!done()) {
    if (GetTickCount64() > deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
  return true;
}

TEST(Win32UiTimerTest, KeepsItsStateAndIntervalThroughEnableDisableAndIntervalChanges) {
  const auto timer = Win32UiTimer::Create(1000, false);
  ASSERT_NE(timer, nullptr);
  EXPECT_FALSE(timer->IsEnabled());
  timer->SetInterval(500);
  EXPECT_FALSE(timer->IsEnabled());
  timer->Enable();
  timer->SetInterval(200);
  EXPECT_TRUE(timer->IsEnabled());
  EXPECT_EQ(timer->Interval(), 200);
  timer->Disable();
  EXPECT_FALSE(timer->IsEnabled());
  EXPECT_EQ(timer->Interval(), 200);
  EXPECT_TRUE(Win32UiTimer::Create(250, true)->IsEnabled());
}

// Enabled far more often than its period, a timer that restarted its countdown would never tick.
TEST(Win32UiTimerTest, EnablingARunningTimerKeepsItsCountdown) {
  const auto timer = Win32UiTimer::Create(60, true);
  const auto poker = Win32UiTimer::Create(10, true);
  int ticks = 0;
  timer->SetTickHandler([&] { ++ticks; });
  poker->SetTickHandler([&] { timer->Enable(); });
  EXPECT_TRUE(RunMessagesUntil([&] { return ticks >= 2; }));
}

// The receive blink's pattern: a timer that disables itself in its tick ticks once.
TEST(Win32UiTimerTest, ATimerDisabledInItsTickTicksNoMore) {
  const auto blink = Win32UiTimer::Create(10, true);
  const auto clock = Win32UiTimer::Create(10, true);
  int blinks = 0;
  int clockTicks = 0;
  blink->SetTickHandler([&] {
    ++blinks;
    blink->Disable();
  });
  clock->SetTickHandler([&] { ++clockTicks; });
  ASSERT_TRUE(RunMessagesUntil([&] { return clockTicks >= 10; }));
  EXPECT_EQ(blinks, 1);
}

TEST(UiThreadTasksTest, TasksPostedByAnotherThreadRunOnThisThreadInOrder) {
  const auto tasks = UiThreadTasks::Create();
  ASSERT_NE(tasks, nullptr);
  const DWORD uiThread = GetCurrentThreadId();
  std::vector<int> ran;
  bool allOnUiThread = true;
  std::thread reader([&] {
    for (int i = 0; i < 100; ++i) {
      EXPECT_TRUE(tasks->Post([&, i] {
        ran.push_back(i);
        allOnUiThread = allOnUiThread && GetCurrentThreadId() == uiThread;
      }));
    }
  });
  const bool allRan = RunMessagesUntil([&] { return ran.size() == 100; });
  reader.join();
  ASSERT_TRUE(allRan);
  EXPECT_TRUE(allOnUiThread);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(ran[static_cast<std::size_t>(i)], i);
}

}  // namespace
}  // namespace gpsclock
