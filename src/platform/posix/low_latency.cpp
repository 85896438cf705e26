// The frame's start byte marks the second, so every millisecond a driver holds it back is error
// in the PC clock.
#include "platform/posix/low_latency.h"

#include <linux/serial.h>
#include <sys/ioctl.h>

namespace gpsclock {

bool RequestLowLatency(int descriptor) {
  serial_struct serial{};
  if (ioctl(descriptor, TIOCGSERIAL, &serial) != 0) return false;
  serial.flags |= ASYNC_LOW_LATENCY;
  return ioctl(descriptor, TIOCSSERIAL, &serial) == 0;
}

}  // namespace gpsclock
