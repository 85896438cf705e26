// The reader thread of an open serial port: it does nothing but wait for bytes, read them and
// stamp them, so that their stamp is as early as the kernel allows whatever the program is doing.
#pragma once

#include <atomic>
#include <memory>

#include "platform/batch_inbox.h"

namespace gpsclock {

// Reads `port`, a blocking descriptor whose reads return after a tenth of a second of silence,
// until `closing` is set (the layer closes the port) or the device goes away, which it reports as
// its last report. Does not own the descriptor.
void ReadPort(int port, const std::atomic<bool>& closing, std::shared_ptr<BatchInbox> inbox);

}  // namespace gpsclock
