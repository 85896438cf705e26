// One start byte at a time on virtual time.
#include "clock/next_start_byte.h"

#include "receiver/frame_layout.h"

namespace gpsclock {
namespace {

constexpr Nanoseconds kCharacterAt9600 = 10 * kNanosecondsPerSecond / 9600;

}  // namespace

void RunThroughNextStartByte(SimulatedPlatform& platform, SimulatedDevice& device, char status) {
  const Nanoseconds start = device.NextStart();
  ScheduleFrame(platform, MakeFrame(device.NextGpsTime(), status), start);
  device.Skip(1);
  platform.time.AdvanceTo(start + frame::kStatusPosition * kCharacterAt9600);
}

}  // namespace gpsclock
