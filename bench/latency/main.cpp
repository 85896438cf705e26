// bench_latency: how close to the device's time the real program sets the clock, on a clean line
// and on a hostile one, what it costs the machine, how fast its window comes up, and the serial
// layer's own delay. Runs the program unprivileged with the tests' fake clock, as the black-box
// tests do; the machine's clock is never set. With no part named it runs every part but chrony
// (about ten minutes); "seterror", "faults", "minute", "window", "read" or "chrony" (five and a
// half minutes with a private chronyd) runs one. --program PATH measures another build of the
// program in place of build/gpsclock.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "busy_cores.h"
#include "distribution.h"
#include "port_read_latency.h"
#include "resource_use.h"
#include "set_error.h"
#include "time_server_figures.h"
#include "window_start.h"

namespace {

using namespace gpsclock;
using namespace gpsclock::bench;

// The floor the program is measured against: bare_set_loop.cpp, built beside the benchmark.
constexpr char kBareSetLoop[] = GPSCLOCK_BARE_SET_LOOP;
constexpr int kTurnFrames = 41;  // 40 marks a turn, 80 a side
// The load the goal names: two busy processes, on this machine's two cores one each.
constexpr int kBusyProcesses = 2;
constexpr int kFaultFrames = 16;
// The spoilt frames' times are fixed from here on: frame 12 carries second 11.
constexpr char kFaultStart[] = "2024-05-06 12:15:00";
constexpr std::int64_t kFaultLimitNs = 5 * kNanosecondsPerMillisecond;
constexpr std::int64_t kHoldLimitNs = 1 * kNanosecondsPerMillisecond;
constexpr int kResourceSeconds = 60;
constexpr int kWindowStarts = 5;
constexpr int kReadBytes = 500;
constexpr int kChronySeconds = 330;
constexpr std::int64_t kOutlierNs = 5'000'000;

struct FaultRun {
  const char* fault;
  std::vector<std::string> simulatorOptions;
  std::int64_t limitNs;  // the goal: no set further from the device's time
};

const std::vector<FaultRun> kFaultRuns{
    {"digit-flip=12 (second 11 reads as 19)", {"--fault", "digit-flip=12"}, kFaultLimitNs},
    {"glitch=6 (one frame 7 s ahead)", {"--fault", "glitch=6"}, kFaultLimitNs},
    {"stuck=6-11 (six frames carry frame 5's time)", {"--fault", "stuck=6-11"}, kFaultLimitNs},
    {"stray-start=4,8,12 (a start byte 40 ms early)",
     {"--fault", "stray-start=4,8,12"},
     kFaultLimitNs},
    {"hold 16,15 (the adapter hands each start byte over 16 ms late with 15 bytes)",
     {"--hold", "16,15"},
     kHoldLimitNs},
};

// Other work on the machine spoils the figures: each part says how busy the machine was.
std::string LoadAverage() {
  std::ifstream file("/proc/loadavg");
  std::string oneMinute;
  file >> oneMinute;
  return "load average " + oneMinute;
}

bool Report(const std::vector<std::string>& problems) {
  for (const std::string& problem : problems) std::printf("  VOID: %s\n", problem.c_str());
  return problems.empty();
}

double Ratio(std::int64_t program, std::int64_t loop) {
  return loop > 0 ? static_cast<double>(program) / static_cast<double>(loop) : 0;
}

// The sets of one side of the comparison, gathered over its turns.
struct SetSide {
  std::vector<std::int64_t> magnitudesNs;
  std::vector<std::string> problems;
};

void TakeTurn(SetSide& side, const std::string& program) {
  const SetErrors sets = MeasureSetErrors(MarkScenario(program, kTurnFrames));
  const std::vector<std::int64_t> magnitudes = Magnitudes(sets);
  side.magnitudesNs.insert(side.magnitudesNs.end(), magnitudes.begin(), magnitudes.end());
  side.problems.insert(side.problems.end(), sets.problems.begin(), sets.problems.end());
}

// The program and the bare loop take turns, program, loop, loop, program, so that a load that
// changes during the run weighs on both alike.
bool CompareWithBareLoop(const std::string& program, const std::string& condition) {
  const std::string load = LoadAverage();
  SetSide programSide;
  SetSide loopSide;
  TakeTurn(programSide, program);
  TakeTurn(loopSide, kBareSetLoop);
  TakeTurn(loopSide, kBareSetLoop);
  TakeTurn(programSide, program);
  const Distribution programErrors = Summarise(programSide.magnitudesNs);
  const Distribution loopErrors = Summarise(loopSide.magnitudesNs);
  std::printf("|set error|, frames once a second at 9600 baud, %s (%s, then %s):\n",
              condition.c_str(), load.c_str(), LoadAverage().c_str());
  std::printf("  program:          %s\n", Describe(programErrors, "sets").c_str());
  const bool programValid = Report(programSide.problems);
  std::printf("  bare read() loop: %s\n", Describe(loopErrors, "sets").c_str());
  const bool loopValid = Report(loopSide.problems);
  std::printf("  program/loop: median %.2fx, p99 %.2fx (goals: 1.1x, 1.5x)\n",
              Ratio(programErrors.medianNs, loopErrors.medianNs),
              Ratio(programErrors.p99Ns, loopErrors.p99Ns));
  return programValid && loopValid;
}

bool RunSetError(const std::string& program) {
  const bool idle = CompareWithBareLoop(program, "idle");
  const BusyCores busy(kBusyProcesses);
  return CompareWithBareLoop(program, std::to_string(busy.Count()) + " busy processes") && idle;
}

// Every fault on its own line; a run is void only when it was unsafe or a mark that no spoilt
// frame excuses set nothing.
bool RunFaults(const std::string& program) {
  bool valid = true;
  for (const FaultRun& run : kFaultRuns) {
    e2e::Scenario scenario = MarkScenario(program, kFaultFrames);
    scenario.simulatorOptions.insert(scenario.simulatorOptions.end(), {"--start", kFaultStart});
    scenario.simulatorOptions.insert(scenario.simulatorOptions.end(), run.simulatorOptions.begin(),
                                     run.simulatorOptions.end());
    const std::string load = LoadAverage();
    const SetErrors sets = MeasureSetErrors(scenario);
    const std::vector<std::int64_t> magnitudes = Magnitudes(sets);
    const std::int64_t maxNs =
        magnitudes.empty() ? 0 : *std::max_element(magnitudes.begin(), magnitudes.end());
    const std::vector<std::string> wrong = WrongSets(sets, run.limitNs);
    std::printf("%s (%s): %zu of %zu marks set the clock; max |set error| %.3f ms (goal %.0f ms)\n",
                run.fault, load.c_str(), sets.errorsNs.size(), sets.marksSent, maxNs / 1e6,
                run.limitNs / 1e6);
    std::printf("  sets beyond %.0f ms: %zu\n", run.limitNs / 1e6, wrong.size());
    for (const std::string& set : wrong) std::printf("    %s\n", set.c_str());
    valid = Report(sets.problems) && valid;
  }
  return valid;
}

bool RunMinute(const std::string& program) {
  const std::string load = LoadAverage();
  const ResourceUse use = MeasureResourceUse(program, kResourceSeconds);
  std::printf(
      "%d s of frames once a second at 9600 baud (%s): CPU %.2f %% of one core, peak "
      "resident memory %.1f MiB; |set error|: %s\n",
      kResourceSeconds, load.c_str(), use.cpuPercentOfOneCore, use.peakResidentMib,
      Describe(Summarise(Magnitudes(use.sets)), "sets").c_str());
  return Report(use.sets.problems);
}

bool RunWindow(const std::string& program) {
  const std::string load = LoadAverage();
  const WindowStarts starts = MeasureWindowStarts(program, kWindowStarts);
  std::printf("start to window shown on Xvfb (%s): first %.3f s; %s\n", load.c_str(),
              starts.startsNs.empty() ? 0.0 : starts.startsNs.front() / 1e9,
              Describe(Summarise(starts.startsNs), "starts").c_str());
  return Report(starts.problems);
}

bool ReportPortReadLatency(const std::string& condition, bool busyUiThread) {
  const std::string load = LoadAverage();
  const PortReadLatencies read = MeasurePortReadLatencies(kReadBytes, busyUiThread);
  std::printf(
      "byte written to a pseudo-terminal, %s (%s):\n  to its stamp in the reader thread: %s\n"
      "  to its handler on the user-interface thread: %s\n",
      condition.c_str(), load.c_str(), Describe(Summarise(read.writeToStampNs), "bytes").c_str(),
      Describe(Summarise(read.writeToHandlerNs), "bytes").c_str());
  return Report(read.problems);
}

bool RunRead() {
  bool valid = ReportPortReadLatency("nothing else running", false);
  valid = ReportPortReadLatency("the user-interface thread busy half the time", true) && valid;
  const BusyCores busy(EachCoreButOne());
  return ReportPortReadLatency(std::to_string(busy.Count()) + " other core(s) kept busy", false) &&
         valid;
}

// The spread of the samples' offsets about their mean, in seconds.
double StandardDeviation(const std::vector<double>& values) {
  double mean = 0;
  for (const double value : values) mean += value / static_cast<double>(values.size());
  double squares = 0;
  for (const double value : values) squares += (value - mean) * (value - mean);
  return values.size() > 1 ? std::sqrt(squares / static_cast<double>(values.size() - 1)) : 0;
}

// Runs for kChronySeconds, so it is left out of the default run.
bool RunChrony(const std::string& program) {
  const std::string load = LoadAverage();
  const ChronyJitter jitter = MeasureChronyJitter(program, kChronySeconds);
  std::vector<std::int64_t> offsetsNs;
  for (const double offset : jitter.rawOffsets) offsetsNs.push_back(std::llround(offset * 1e9));
  std::printf(
      "%d s of samples once a second to chronyd -x (%s, then %s):\n%s%s"
      "raw sample offsets: standard deviation %.3f ms; lowest %.3f ms, %s; the simulator's start "
      "bytes at most %.3f ms late\n",
      kChronySeconds, load.c_str(), LoadAverage().c_str(), jitter.sources.c_str(),
      jitter.sourceStats.c_str(), StandardDeviation(jitter.rawOffsets) * 1e3,
      offsetsNs.empty() ? 0.0 : *std::min_element(offsetsNs.begin(), offsetsNs.end()) / 1e6,
      Describe(Summarise(offsetsNs), "samples").c_str(), jitter.simulatorLatestNs / 1e6);
  for (std::size_t index = 0; index < offsetsNs.size(); ++index) {
    if (std::llabs(offsetsNs[index]) > kOutlierNs) {
      std::printf("  sample %zu: %.3f ms\n", index + 1, offsetsNs[index] / 1e6);
    }
  }
  return Report(jitter.problems);
}

struct CommandLine {
  std::string program = e2e::kBuiltProgram;
  std::string part;
};

std::optional<CommandLine> ParseCommandLine(int argc, char* argv[]) {
  CommandLine line;
  for (int index = 1; index < argc; ++index) {
    const std::string argument = argv[index];
    if (argument == "--program" && index + 1 < argc) {
      line.program = argv[++index];
    } else if (line.part.empty() && argument.rfind("--", 0) != 0) {
      line.part = argument;
    } else {
      return {};
    }
  }
  if (!std::filesystem::is_regular_file(line.program)) return {};
  return line;
}

}  // namespace

int main(int argc, char* argv[]) {
  // Each figure is shown as soon as it is there, also through a pipe.
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  const auto line = ParseCommandLine(argc, argv);
  const std::string part = line ? line->part : "";
  const std::string program = line ? line->program : "";
  if (line && part == "seterror") return RunSetError(program) ? 0 : 1;
  if (line && part == "faults") return RunFaults(program) ? 0 : 1;
  if (line && part == "minute") return RunMinute(program) ? 0 : 1;
  if (line && part == "window") return RunWindow(program) ? 0 : 1;
  if (line && part == "read") return RunRead() ? 0 : 1;
  if (line && part == "chrony") return RunChrony(program) ? 0 : 1;
  if (!line || !part.empty()) {
    std::fprintf(stderr,
                 "usage: bench_latency [--program PATH] "
                 "[seterror|faults|minute|window|read|chrony]\n");
    return 2;
  }
  const bool setError = RunSetError(program);
  const bool faults = RunFaults(program);
  const bool minute = RunMinute(program);
  const bool window = RunWindow(program);
  const bool read = RunRead();
  return setError && faults && minute && window && read ? 0 : 1;
}
