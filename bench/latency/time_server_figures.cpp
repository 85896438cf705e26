// The samples are caught by a thread of the benchmark while the program runs: a datagram socket
// holds only a few of them.
#include "time_server_figures.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <thread>

#include "harness/chrony_server.h"
#include "harness/unprivileged.h"
#include "mark_latency.h"
#include "platform/posix/chrony_sample_socket.h"

namespace gpsclock::bench {
namespace {

using namespace e2e;

constexpr std::chrono::seconds kServingTimeout{10};
constexpr int kPollMs = 100;

// Binds `path` as chronyd would and keeps the time of every sample that comes.
class SampleCatcher {
 public:
  explicit SampleCatcher(const std::string& path)
      : descriptor_(socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0)) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    bound_ = bind(descriptor_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
             OpenSocketToProgramGroup(path);
    thread_ = std::thread([this] { Catch(); });
  }
  ~SampleCatcher() {
    Finish();
    close(descriptor_);
  }
  SampleCatcher(const SampleCatcher&) = delete;
  SampleCatcher& operator=(const SampleCatcher&) = delete;

  bool Bound() const { return bound_; }
  // Stops catching; the sample times so far, in nanoseconds since the epoch.
  std::vector<std::int64_t> Finish() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    return timesNs_;
  }

 private:
  void Catch() {
    pollfd waiting{descriptor_, POLLIN, 0};
    while (!stop_) {
      if (poll(&waiting, 1, kPollMs) <= 0) continue;
      ChronySockSample sample{};
      if (recv(descriptor_, &sample, sizeof sample, 0) == static_cast<ssize_t>(sizeof sample)) {
        timesNs_.push_back(std::int64_t{sample.tv.tv_sec} * kNanosecondsPerSecond +
                           std::int64_t{sample.tv.tv_usec} * 1000);
      }
    }
  }

  int descriptor_;
  bool bound_ = false;
  std::atomic<bool> stop_{false};
  std::vector<std::int64_t> timesNs_;
  std::thread thread_;
};

}  // namespace

ChronyJitter MeasureChronyJitter(int seconds) {
  ScenarioRun run(ChronyScenario({"--duration", std::to_string(seconds)}));
  ChronyServer chrony(run.Folder());
  if (!chrony.WaitUntilServing(kServingTimeout))
    return {{}, {}, {}, 0, {"chronyd: " + chrony.Messages()}};
  if (!run.StartProgram()) return {{}, {}, {}, 0, {run.StartProblem()}};
  // Finish waits only so long for the simulator to end.
  run.Simulator().WaitForFrames(seconds - 1, std::chrono::seconds(seconds + 30));
  const ScenarioOutcome outcome = run.Finish();
  ChronyJitter jitter{chrony.Report("sources"), chrony.Report("sourcestats"),
                      chrony.RawSampleOffsets("GPS"), 0, SafetyProblems(outcome.clock)};
  for (std::size_t index = 1; index < outcome.frames.size(); ++index) {
    const std::int64_t gap =
        outcome.frames[index].startByteMonotonicNs - outcome.frames[index - 1].startByteMonotonicNs;
    jitter.simulatorLatestNs = std::max(jitter.simulatorLatestNs, gap - kNanosecondsPerSecond);
  }
  if (!chrony.Source("GPS")) jitter.problems.push_back("chronyd lists no source GPS");
  if (!outcome.simulatorEnded) jitter.problems.push_back("the simulator did not end");
  return jitter;
}

StampLatencies MeasureStampToSet(int frames) {
  Scenario scenario = MarkScenario();
  scenario.programStartsAtOnce = false;
  scenario.simulatorOptions = {"--frames", std::to_string(frames)};
  ScenarioRun run(scenario);
  SampleCatcher catcher(run.Folder().Path("chrony.sock"));
  if (!catcher.Bound()) return {{}, {"could not bind the sample socket"}};
  if (!run.StartProgram()) return {{}, {run.StartProblem()}};
  const ScenarioOutcome outcome = run.Finish();
  const std::vector<std::int64_t> samples = catcher.Finish();
  StampLatencies result{{}, JoinMarks(outcome).problems};
  if (samples.size() != outcome.clock.sets.size()) {
    result.problems.push_back(std::to_string(samples.size()) + " samples for " +
                              std::to_string(outcome.clock.sets.size()) + " sets");
    return result;
  }
  for (std::size_t mark = 0; mark < samples.size(); ++mark) {
    result.latenciesNs.push_back(outcome.clock.sets[mark].clockWasNs - samples[mark]);
  }
  return result;
}

}  // namespace gpsclock::bench
