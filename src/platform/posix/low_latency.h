// Asking a serial driver to hand over received bytes at once instead of batching them.
#pragma once

namespace gpsclock {

// False when the driver has no such setting (a pty has none) or refuses it.
bool RequestLowLatency(int descriptor);

}  // namespace gpsclock
