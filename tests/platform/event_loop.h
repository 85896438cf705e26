// Running the platform's event loop in a test until something has happened.
#pragma once

#include <functional>

namespace gpsclock {

// Makes the program's QCoreApplication, which timers and port notifiers need, if not made yet.
void EnsureApplication();

// Processes events until `done` holds; false if it still does not after a generous deadline,
// which only stops a broken test from hanging.
bool RunEventsUntil(const std::function<bool()>& done);

// Processes every event that is ready now, a few rounds over, without waiting for new ones.
void RunPendingEvents();

}  // namespace gpsclock
