// bench_latency: how close to the second mark the real program sets the clock, what it costs the
// machine, and how fast its window comes up. Runs the program unprivileged with the tests' fake
// clock, as the black-box tests do; the machine's clock is never set. With no argument it runs
// every part but chrony (about six minutes); "marks", "minute", "window", "stamp", "read" or
// "chrony" (five and a half minutes with a private chronyd) runs one.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "busy_cores.h"
#include "distribution.h"
#include "mark_latency.h"
#include "port_read_latency.h"
#include "resource_use.h"
#include "time_server_figures.h"
#include "window_start.h"

namespace {

using namespace gpsclock::bench;

constexpr int kMarkFrames = 81;  // 80 marks
constexpr int kResourceSeconds = 60;
constexpr int kWindowStarts = 5;
constexpr int kReadBytes = 500;
constexpr int kChronySeconds = 330;
constexpr std::int64_t kOutlierNs = 5'000'000;

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

bool ReportMarkLatency(const std::string& condition) {
  const std::string load = LoadAverage();
  const MarkLatencies marks = MeasureMarkLatencies(kMarkFrames);
  std::printf("start byte to clock_settime, frames once a second at 9600 baud, %s (%s): %s\n",
              condition.c_str(), load.c_str(),
              Describe(Summarise(marks.latenciesNs), "marks").c_str());
  return Report(marks.problems);
}

bool RunMarks() {
  bool valid = ReportMarkLatency("nothing else running");
  const BusyCores busy;
  return ReportMarkLatency(std::to_string(busy.Count()) + " other core(s) kept busy") && valid;
}

bool RunMinute() {
  const std::string load = LoadAverage();
  const ResourceUse use = MeasureResourceUse(kResourceSeconds);
  std::printf(
      "%d s of frames once a second at 9600 baud (%s): CPU %.2f %% of one core, peak "
      "resident memory %.1f MiB; start byte to clock_settime: %s\n",
      kResourceSeconds, load.c_str(), use.cpuPercentOfOneCore, use.peakResidentMib,
      Describe(Summarise(use.marks.latenciesNs), "marks").c_str());
  return Report(use.marks.problems);
}

bool RunWindow() {
  const std::string load = LoadAverage();
  const WindowStarts starts = MeasureWindowStarts(kWindowStarts);
  std::printf("start to window shown on Xvfb (%s): first %.3f s; %s\n", load.c_str(),
              starts.startsNs.empty() ? 0.0 : starts.startsNs.front() / 1e9,
              Describe(Summarise(starts.startsNs), "starts").c_str());
  return Report(starts.problems);
}

bool RunStamp() {
  const std::string load = LoadAverage();
  const StampLatencies stamps = MeasureStampToSet(kMarkFrames);
  std::printf("start byte's arrival stamp to clock_settime, frames once a second (%s): %s\n",
              load.c_str(), Describe(Summarise(stamps.latenciesNs), "marks").c_str());
  return Report(stamps.problems);
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
  const BusyCores busy;
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
bool RunChrony() {
  const std::string load = LoadAverage();
  const ChronyJitter jitter = MeasureChronyJitter(kChronySeconds);
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

}  // namespace

int main(int argc, char* argv[]) {
  const std::string part = argc > 1 ? argv[1] : "";
  if (part == "marks") return RunMarks() ? 0 : 1;
  if (part == "minute") return RunMinute() ? 0 : 1;
  if (part == "window") return RunWindow() ? 0 : 1;
  if (part == "stamp") return RunStamp() ? 0 : 1;
  if (part == "read") return RunRead() ? 0 : 1;
  if (part == "chrony") return RunChrony() ? 0 : 1;
  if (!part.empty()) {
    std::fprintf(stderr, "usage: bench_latency [marks|minute|window|stamp|read|chrony]\n");
    return 2;
  }
  const bool marks = RunMarks();
  const bool minute = RunMinute();
  const bool window = RunWindow();
  const bool stamp = RunStamp();
  const bool read = RunRead();
  return marks && minute && window && stamp && read ? 0 : 1;
}
