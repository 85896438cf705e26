// The device stepped one start byte at a time, so that a test sees the window exactly as the
// on-time mark left it.
#pragma once

#include "support/simulated_platform.h"

namespace gpsclock {

// Sends the device's next frame with `status` at 9600 baud and runs virtual time up to and
// including its start byte, the on-time mark of the frame before if that one was accepted, and on
// to its decode, which confirms the mark. The rest of the frame arrives as virtual time runs on.
void RunThroughNextStartByte(SimulatedPlatform& platform, SimulatedDevice& device,
                             char status = 'A');

}  // namespace gpsclock
