// A program the tests start and stop, with its output in files and its use of the machine read
// from /proc.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace gpsclock::e2e {

class ChildProcess {
 public:
  // Starts `arguments` (the first found through PATH) with exactly `environment`, standard output
  // and standard error going to the files named.
  ChildProcess(const std::vector<std::string>& arguments,
               const std::vector<std::string>& environment, const std::string& outputPath,
               const std::string& errorPath);
  // Stops the program if it still runs.
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Started() const { return id_ > 0; }
  pid_t Id() const { return id_; }
  bool Running();
  // Its exit status once it ended by itself within `timeout`.
  std::optional<int> WaitForExit(std::chrono::milliseconds timeout);
  // Asks it to end (SIGTERM) and kills it when it does not within a grace period.
  void Stop();

  // User plus system time used so far.
  std::chrono::microseconds CpuTime() const;
  // The most resident memory it has had, in KiB.
  long PeakResidentKib() const;

 private:
  pid_t id_ = -1;
  std::optional<int> exitStatus_;
};

// Runs a short command to its end and returns its standard output; nothing when it failed.
std::optional<std::string> CommandOutput(const std::vector<std::string>& arguments,
                                         const std::vector<std::string>& environment);

}  // namespace gpsclock::e2e
