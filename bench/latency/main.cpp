// bench_latency: how close to the second mark the real program sets the clock, what it costs the
// machine, and how fast its window comes up. Runs the program unprivileged with the tests' fake
// clock, as the black-box tests do; the machine's clock is never set. With no argument it runs
// every part (about two minutes); "marks", "minute" or "window" runs one.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "busy_cores.h"
#include "distribution.h"
#include "mark_latency.h"
#include "resource_use.h"
#include "window_start.h"

namespace {

using namespace gpsclock::bench;

constexpr int kMarkFrames = 331;  // 330 marks
constexpr int kResourceSeconds = 60;
constexpr int kWindowStarts = 5;

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
  const MarkLatencies marks = MeasureFastMarkLatencies(kMarkFrames);
  std::printf("start byte to clock_settime, frames back to back at 9600 baud, %s (%s): %s\n",
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

}  // namespace

int main(int argc, char* argv[]) {
  const std::string part = argc > 1 ? argv[1] : "";
  if (part == "marks") return RunMarks() ? 0 : 1;
  if (part == "minute") return RunMinute() ? 0 : 1;
  if (part == "window") return RunWindow() ? 0 : 1;
  if (!part.empty()) {
    std::fprintf(stderr, "usage: bench_latency [marks|minute|window]\n");
    return 2;
  }
  const bool marks = RunMarks();
  const bool minute = RunMinute();
  const bool window = RunWindow();
  return marks && minute && window ? 0 : 1;
}
