// How a thread of the platform layer hands work to the user-interface thread, where the core runs.
#pragma once

#include <functional>

namespace gpsclock {

// Callable from any thread: runs `task` later on the user-interface thread, after the tasks posted
// before it. False when the task was not accepted and will never run.
using PostToUiThread = std::function<bool(std::function<void()> task)>;

}  // namespace gpsclock
