// The reader thread of an open COM port: it does nothing but wait for a byte, stamp it and take
// the bytes behind it, so that their stamp is as early as the driver allows whatever the program
// is doing.
#pragma once

#include <windows.h>

#include <memory>

#include "platform/batch_inbox.h"

namespace gpsclock {

// Reads `port`, opened for overlapped reads without read timeouts, until `stop` is set (the layer
// closes the port) or a read fails (the device went away), which it reports as its last report.
// Owns neither handle.
void ReadComPort(HANDLE port, HANDLE stop, std::shared_ptr<BatchInbox> inbox);

}  // namespace gpsclock
