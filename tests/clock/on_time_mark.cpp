// Frames fed straight through the simulated serial port.
#include "clock/on_time_mark.h"

namespace gpsclock {

void SendFrameAndMark(SimulatedProgram& sim, Nanoseconds pcClock, Nanoseconds received,
                      char status) {
  const Nanoseconds frameTime = status == 'A' ? received - VirtualTime::kSecond : received;
  sim.platform.serial.Receive(MakeFrame(frameTime, status));
  sim.platform.clock.SetTime(pcClock);
  sim.platform.serial.Receive("\x01");
}

}  // namespace gpsclock
