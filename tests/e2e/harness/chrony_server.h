// Debian's chronyd run privately for a test: its configuration, pid file and command socket in a
// folder of the test's own, NTP served on a free loopback port, the SOCK reference clock at the
// program folder's chrony.sock, and the clock never touched (-x). Stopped when the object goes.
#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "harness/child_process.h"
#include "harness/program_folder.h"
#include "harness/scenario.h"

namespace gpsclock::e2e {

// One source as `chronyc sources` shows it.
struct ChronySource {
  char state = '?';          // '*' selected
  int reach = 0;             // the reach register, 0..255
  double offsetSeconds = 0;  // the last measured offset of the local clock from the source
};

// A run whose marks chronyd can take: the device's clock and the fake PC clock both on the
// machine's clock, which chronyd reads, so that the samples' stamps are times chronyd sees as
// now. A set would move the program's fake clock away from chronyd's, so none succeeds: the clock
// is left free, and chronyd serves the time it measures against it. The program is started by
// the test, once chronyd serves.
Scenario ChronyScenario(const std::vector<std::string>& simulatorOptions);

class ChronyServer {
 public:
  explicit ChronyServer(const ProgramFolder& folder);

  // Waits for chronyd to make its reference-clock socket, then gives it to the program's group as
  // the shipped systemd drop-in does for the program's users. False when it did not come.
  bool WaitUntilServing(std::chrono::milliseconds timeout);
  std::uint16_t NtpPort() const { return ntpPort_; }
  // The source with `refid` in `chronyc sources`; nothing when chronyc does not list it.
  std::optional<ChronySource> Source(const std::string& refid) const;
  // What chronyc prints for `command`, such as "sourcestats"; empty when it fails.
  std::string Report(const std::string& command) const;
  // The raw offsets (true minus system time, seconds) of the samples of `refid` chronyd took, in
  // the order of its reference-clock log.
  std::vector<double> RawSampleOffsets(const std::string& refid) const;
  // What chronyd printed, and its log of the samples.
  std::string Messages() const;

 private:
  std::optional<std::string> Chronyc(const std::string& command, bool csv) const;

  std::string folder_;
  std::string refclockSocket_;
  std::uint16_t ntpPort_ = 0;
  std::unique_ptr<ChildProcess> chronyd_;
};

}  // namespace gpsclock::e2e
