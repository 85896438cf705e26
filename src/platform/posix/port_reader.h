// The reader thread of an open serial port: it does nothing but wait for bytes, read them and
// stamp them, so that their stamp is as early as the kernel allows whatever the program is doing.
#pragma once

#include <memory>

#include "platform/batch_inbox.h"

namespace gpsclock {

// Reads `port` until `wake` becomes readable (the layer closes the port) or the device goes away,
// which it reports as its last report. Owns neither descriptor.
void ReadPort(int port, int wake, std::shared_ptr<BatchInbox> inbox);

}  // namespace gpsclock
