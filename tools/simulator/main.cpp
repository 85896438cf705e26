// gpsclock-sim: a stand-in for the GPS clock device, for tests, benchmarks and users who want to
// check a setup without the device.
#include <sys/prctl.h>
#include <unistd.h>

#include <cstdio>
#include <memory>

#include "device_line.h"
#include "frame_log.h"
#include "frame_sender.h"
#include "pseudo_terminal_line.h"
#include "simulator_options.h"
#include "stop_request.h"

namespace {

using namespace gpsclock::simulator;

// The default timer slack of 50 microseconds would be the start byte's error; 1 ns asks for none.
constexpr unsigned long kTimerSlackNs = 1;
// A terminal that hangs up discards what its reader has not read yet: the last frame is given
// time to arrive before the line goes away.
constexpr useconds_t kLastFrameReadMicroseconds = 200'000;

std::unique_ptr<SerialLine> OpenLine(const SimulatorOptions& options, std::string& error) {
  if (options.device) return DeviceLine::Open(*options.device, options.baud, error);
  auto terminal = PseudoTerminalLine::Open(options.baud, options.link, error);
  if (terminal) {
    // The path alone on standard output, for scripts; everything else goes to standard error.
    std::printf("%s\n", terminal->SlavePath().c_str());
    std::fflush(stdout);
    std::fprintf(stderr, "gpsclock-sim: waiting for a program to open %s\n",
                 options.link ? options.link->c_str() : terminal->SlavePath().c_str());
  }
  return terminal;
}

}  // namespace

int main(int argc, char* argv[]) {
  const CommandLine commandLine = ParseCommandLine(argc, argv);
  if (commandLine.outcome != CommandLine::Outcome::kRun) {
    const bool help = commandLine.outcome == CommandLine::Outcome::kHelp;
    std::fputs(commandLine.message.c_str(), help ? stdout : stderr);
    return help ? 0 : 2;
  }
  const SimulatorOptions& options = commandLine.options;
  InstallStopHandlers();
  prctl(PR_SET_TIMERSLACK, kTimerSlackNs);

  FrameLog log(options.log);
  if (!log.Ok()) {
    std::fprintf(stderr, "gpsclock-sim: cannot write %s\n", options.log.c_str());
    return 1;
  }
  std::string error;
  const auto line = OpenLine(options, error);
  if (!line) {
    std::fprintf(stderr, "gpsclock-sim: %s\n", error.c_str());
    return 1;
  }
  FrameSender sender(options, *line, log);
  const std::int64_t sent = sender.Run();
  if (!StopRequested()) usleep(kLastFrameReadMicroseconds);
  std::fprintf(stderr, "gpsclock-sim: %lld frames sent\n", static_cast<long long>(sent));
  return 0;
}
