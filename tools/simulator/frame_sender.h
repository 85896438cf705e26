// Sends the frames: each start byte at a second boundary of the device's clock, or back to back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "frame_log.h"
#include "serial_line.h"
#include "simulator_options.h"
#include "time_source.h"

namespace gpsclock::simulator {

class FrameSender {
 public:
  FrameSender(const SimulatorOptions& options, SerialLine& line, FrameLog& log);

  // Waits for a program to open the line, then sends until the frames or the duration are done
  // or a stop is requested. Returns the number of frames whose start byte went out.
  std::int64_t Run();

 private:
  struct Frame {
    std::string bytes;  // empty when the frame is missing
    char status;
    std::string faults;
    bool strayStartBefore = false;
  };

  Frame MakeFrame(std::int64_t number, std::int64_t epochSeconds) const;
  // The CLOCK_MONOTONIC stamp of the moment the device sent the start byte (an adapter may hand
  // it over later); nothing when no program had the line open then or a stop was requested.
  std::optional<std::int64_t> SendFrame(const Frame& frame, std::int64_t startNs);
  bool WaitForReader();

  const SimulatorOptions& options_;
  SerialLine& line_;
  FrameLog& log_;
  TimeSource time_;
  std::int64_t byteNs_;
};

}  // namespace gpsclock::simulator
