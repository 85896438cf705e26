// The simulator's command line: where the frames go, how fast, what time they carry, which faults.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "frame_faults.h"

namespace gpsclock::simulator {

// A USB adapter that holds each start byte and hands it over `delayNs` after it arrived, together
// with the `bytesBehind` bytes that arrived after it meanwhile.
struct AdapterHold {
  std::int64_t delayNs = 0;
  std::size_t bytesBehind = 0;
};

struct SimulatorOptions {
  std::optional<std::string> device;  // a serial device; a new pseudo-terminal when empty
  std::optional<std::string> link;    // a link to make to the pseudo-terminal
  int baud = 9600;
  std::int64_t offsetNs = 0;          // the device's clock = this machine's clock + offset
  std::optional<std::int64_t> start;  // seconds since the epoch that the first frame carries
  std::string lockPattern = "A";
  std::vector<FaultRule> faults;
  std::optional<AdapterHold> hold;
  bool fast = false;
  std::optional<std::int64_t> frames;
  std::optional<std::int64_t> durationNs;
  std::string log;
};

struct CommandLine {
  enum class Outcome { kRun, kHelp, kError } outcome = Outcome::kRun;
  SimulatorOptions options;
  std::string message;  // the help text, or what is wrong
};

CommandLine ParseCommandLine(int argc, char* argv[]);

}  // namespace gpsclock::simulator
