// The thread's message loop, as the program's own runs it, woken every 10 ms to look at `done`.
#include "event_loop.h"

#include <windows.h>

namespace gpsclock {

bool RunEventsUntil(const std::function<bool()>& done) {
  for (const ULONGLONG deadline = GetTickCount64() + 10'000; !done(); RunPendingEvents()) {
    if (GetTickCount64() > deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

void RunPendingEvents() {
  for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&message);
}

}  // namespace gpsclock
