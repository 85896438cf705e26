// The link is made before the simulator waits for a reader, so its presence says the port is ready.
#include "harness/simulator_run.h"

#include <sys/stat.h>

#include <sstream>
#include <thread>

#include "harness/built_programs.h"

namespace gpsclock::e2e {
namespace {

constexpr char kFrameLog[] = "frames.log";
constexpr char kMessages[] = "simulator.err";
constexpr std::chrono::seconds kLinkTimeout{5};
constexpr std::chrono::milliseconds kPollInterval{10};

bool Exists(const std::string& path) {
  struct stat entry {};
  return lstat(path.c_str(), &entry) == 0;
}

}  // namespace

SimulatorRun::SimulatorRun(const ProgramFolder& folder, const std::vector<std::string>& options)
    : folder_(folder) {
  std::vector<std::string> arguments{kBuiltSimulator, "--link", folder.Path("COM1"), "--log",
                                     folder.TestFile(kFrameLog)};
  arguments.insert(arguments.end(), options.begin(), options.end());
  process_ =
      std::make_unique<ChildProcess>(arguments, std::vector<std::string>{"TZ=UTC"},
                                     folder.TestFile("simulator.out"), folder.TestFile(kMessages));
  const auto deadline = std::chrono::steady_clock::now() + kLinkTimeout;
  while (!(linked_ = Exists(folder.Path("COM1"))) && process_->Running() &&
         std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(kPollInterval);
  }
}

bool SimulatorRun::WaitForEnd(std::chrono::milliseconds timeout) {
  return process_->WaitForExit(timeout).has_value();
}

bool SimulatorRun::WaitForFrames(std::size_t count, std::chrono::milliseconds timeout) const {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (Frames().size() < count) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(kPollInterval);
  }
  return true;
}

std::vector<SentFrame> SimulatorRun::Frames() const {
  std::vector<SentFrame> frames;
  std::istringstream lines(folder_.Read(folder_.TestFile(kFrameLog)));
  SentFrame frame;
  while (lines >> frame.number >> frame.second >> frame.status >> frame.startByteMonotonicNs >>
         frame.faults) {
    frames.push_back(frame);
  }
  return frames;
}

std::string SimulatorRun::Messages() const {
  return folder_.Read(folder_.TestFile(kMessages));
}

}  // namespace gpsclock::e2e
