// The 41 bytes of one time frame as the GPS clock device sends it.
#pragma once

#include <ctime>
#include <string>

namespace gpsclock::simulator {

// The frame for `local` with `status`; the device fills the characters the receiver does not
// interpret, and the simulator sends zeros there.
std::string BuildFrame(const std::tm& local, char status);

}  // namespace gpsclock::simulator
