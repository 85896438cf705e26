// build/gpsclock started from its program folder as a user would start it, but unprivileged and
// with the fake PC clock preloaded.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "harness/child_process.h"
#include "harness/clock_record.h"
#include "harness/program_folder.h"
#include "harness/unprivileged.h"

namespace gpsclock::e2e {

struct FakeClock {
  std::int64_t offsetNs = 0;     // the PC clock's start: the machine's clock plus this
  bool setSucceeds = true;       // until the test says otherwise through SetClockSetResult
  std::string timeZone = "UTC";  // the PC's local time zone, as TZ names it
};

class ProgramRun {
 public:
  // Without a display (offscreen) unless `display` names an X display such as ":3". The program's
  // output goes to the test files <outputName>.out and <outputName>.err, its fake clock's record
  // to <outputName>.clock.
  ProgramRun(const ProgramFolder& folder, const FakeClock& clock,
             const std::optional<std::string>& display = {},
             const std::string& outputName = "program", uid_t user = ProgramUser());

  ChildProcess& Process() { return process_; }
  // When the program was started, for timing its start-up.
  std::chrono::steady_clock::time_point StartedAt() const { return startedAt_; }
  bool Running() { return process_.Running(); }
  void Stop() { process_.Stop(); }
  // From now on the program's clock_settime calls succeed or fail as asked.
  void SetClockSetResult(bool succeeds) const;
  ClockRecord Record() const;
  std::string TrackingLog() const;
  // What the program wrote to its standard error so far.
  std::string ErrorOutput() const;

 private:
  const ProgramFolder& folder_;
  std::string outputName_;
  std::chrono::steady_clock::time_point startedAt_;
  ChildProcess process_;
};

// The tracking log's file name, 跟踪记录.txt.
inline constexpr char kTrackingLogName[] = "\xe8\xb7\x9f\xe8\xb8\xaa\xe8\xae\xb0\xe5\xbd\x95.txt";

}  // namespace gpsclock::e2e
