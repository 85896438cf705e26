// The simulator prints its pseudo-terminal's path once the link leads there, before it waits for a
// reader: a link to the path printed says the port is ready, even over an earlier device's link.
#include "harness/simulator_run.h"

#include <cerrno>
#include <ctime>
#include <filesystem>
#include <sstream>
#include <thread>

#include "harness/built_programs.h"
#include "harness/clock_plan.h"

namespace gpsclock::e2e {
namespace {

constexpr std::chrono::seconds kLinkTimeout{5};
constexpr std::chrono::milliseconds kPollInterval{10};
constexpr std::chrono::milliseconds kLastFrameRead{500};

}  // namespace

const SentFrame& FrameSentAt(const std::vector<SentFrame>& frames, std::int64_t monotonicNs) {
  const SentFrame* last = &frames.front();
  for (const SentFrame& frame : frames) {
    if (frame.startByteMonotonicNs <= monotonicNs) last = &frame;
  }
  return *last;
}

std::int64_t DeviceTimeAt(const std::vector<SentFrame>& frames, std::int64_t monotonicNs) {
  const SentFrame& last = FrameSentAt(frames, monotonicNs);
  return last.second * kNanosecondsPerSecond + monotonicNs - last.startByteMonotonicNs;
}

SimulatorRun::SimulatorRun(const ProgramFolder& folder, const std::vector<std::string>& options,
                           int device, const std::string& timeZone)
    : folder_(folder), device_(device) {
  std::vector<std::string> arguments{kBuiltSimulator, "--link", folder.Path("COM1"), "--log",
                                     FileName("frames")};
  arguments.insert(arguments.end(), options.begin(), options.end());
  process_ = std::make_unique<ChildProcess>(arguments, std::vector<std::string>{"TZ=" + timeZone},
                                            FileName("out"), FileName("err"));
  const auto deadline = std::chrono::steady_clock::now() + kLinkTimeout;
  while (!(linked_ = LinkLeadsHere()) && process_->Running() &&
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

bool SimulatorRun::StopAfterFrames(std::size_t count, std::chrono::milliseconds timeout) {
  if (!WaitForFrames(count, timeout)) return false;
  std::this_thread::sleep_for(kLastFrameRead);
  Stop();
  return true;
}

std::optional<std::chrono::nanoseconds> SimulatorRun::UnplugDuringNextFrame(
    std::chrono::nanoseconds intoFrame) {
  const std::vector<SentFrame> frames = Frames();
  if (frames.empty()) return {};
  // The start bytes come one second apart.
  const std::int64_t nextStartNs = frames.back().startByteMonotonicNs + kNanosecondsPerSecond;
  const std::int64_t unplugNs = nextStartNs + intoFrame.count();
  const timespec deadline{static_cast<time_t>(unplugNs / kNanosecondsPerSecond),
                          static_cast<long>(unplugNs % kNanosecondsPerSecond)};
  while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) == EINTR) {
  }
  // The simulator stops between two bytes as soon as it has the signal.
  const std::int64_t signalledNs = MonotonicNs();
  process_->Stop();
  return std::chrono::nanoseconds(signalledNs - nextStartNs);
}

std::vector<SentFrame> SimulatorRun::Frames() const {
  std::vector<SentFrame> frames;
  std::istringstream lines(folder_.Read(FileName("frames")));
  SentFrame frame;
  while (lines >> frame.number >> frame.second >> frame.status >> frame.startByteMonotonicNs >>
         frame.faults) {
    frames.push_back(frame);
  }
  return frames;
}

std::string SimulatorRun::Messages() const {
  return folder_.Read(FileName("err"));
}

bool SimulatorRun::LinkLeadsHere() const {
  std::string printed = folder_.Read(FileName("out"));
  if (printed.empty() || printed.back() != '\n') return false;
  printed.pop_back();
  std::error_code error;
  return std::filesystem::read_symlink(folder_.Path("COM1"), error) == printed;
}

std::string SimulatorRun::FileName(const std::string& kind) const {
  return folder_.TestFile("device" + std::to_string(device_) + "." + kind);
}

}  // namespace gpsclock::e2e
