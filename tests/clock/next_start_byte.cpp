// One start byte at a time on virtual time.
#include "clock/next_start_byte.h"

namespace gpsclock {

void RunThroughNextStartByte(SimulatedPlatform& platform, SimulatedDevice& device, char status) {
  const Nanoseconds start = device.NextStart();
  ScheduleFrame(platform, MakeFrame(device.NextGpsTime(), status), start);
  device.Skip(1);
  platform.time.AdvanceTo(start);
}

}  // namespace gpsclock
