// Frames fed straight through the simulated serial port.
#include "clock/on_time_mark.h"

#include "receiver/frame_layout.h"

namespace gpsclock {

void SendFrameAndMark(SimulatedProgram& sim, Nanoseconds pcClock, Nanoseconds received,
                      char status) {
  const std::string frame = MakeFrame(received - kNanosecondsPerSecond, status);
  sim.platform.serial.Receive(frame.substr(0, 1));
  sim.platform.serial.Receive(frame.substr(1));
  sim.platform.time.AdvanceBy(kMarkAfterFrame);
  sim.platform.clock.SetTime(pcClock);
  sim.platform.serial.Receive(std::string(1, frame::kStartByte));
  // The mark's own frame confirms it at its decode, in the same instant.
  sim.platform.serial.Receive(MakeFrame(received, status).substr(1, frame::kStatusPosition));
}

}  // namespace gpsclock
