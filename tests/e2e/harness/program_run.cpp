// The environment is built from nothing: only what a desktop session gives a program, the PC's
// time zone, and the fake clock. env and setpriv both execute the next program in place, so the
// process started is the program itself.
#include "harness/program_run.h"

#include <vector>

#include "harness/unprivileged.h"

namespace gpsclock::e2e {
namespace {

constexpr char kClockControl[] = "clock.control";

std::string ClockRecordOf(const std::string& outputName) {
  return outputName + ".clock";
}

// The fake clock is preloaded by env, after setpriv: setpriv itself must run without it.
std::vector<std::string> ProgramArguments(const ProgramFolder& folder, const FakeClock& clock,
                                          const std::string& outputName, uid_t user) {
  std::vector<std::string> arguments = UnprivilegedPrefix(user);
  const std::vector<std::string> fakeClock{
      "env",
      "LD_PRELOAD=" + folder.FakeClockLibrary(),
      "FAKE_CLOCK_RECORD=" + folder.TestFile(ClockRecordOf(outputName)),
      "FAKE_CLOCK_CONTROL=" + folder.TestFile(kClockControl),
      "FAKE_CLOCK_OFFSET_NS=" + std::to_string(clock.offsetNs),
      std::string("FAKE_CLOCK_SET_RESULT=") + (clock.setSucceeds ? "ok" : "eperm"),
      folder.Path("gpsclock"),
  };
  arguments.insert(arguments.end(), fakeClock.begin(), fakeClock.end());
  return arguments;
}

std::vector<std::string> ProgramEnvironment(const ProgramFolder& folder, const FakeClock& clock,
                                            const std::optional<std::string>& display) {
  std::vector<std::string> environment{
      "PATH=/usr/bin:/bin",
      "TZ=" + clock.timeZone,
      "LANG=C.UTF-8",
      "HOME=" + folder.TestFile(""),
      "XDG_RUNTIME_DIR=" + folder.TestFile(ProgramFolder::kRuntimeFolder),
      // A program built with AddressSanitizer lets the fake clock be loaded before its runtime.
      "ASAN_OPTIONS=verify_asan_link_order=0",
  };
  if (display) {
    environment.push_back("QT_QPA_PLATFORM=xcb");
    environment.push_back("DISPLAY=" + *display);
  } else {
    environment.push_back("QT_QPA_PLATFORM=offscreen");
  }
  return environment;
}

}  // namespace

ProgramRun::ProgramRun(const ProgramFolder& folder, const FakeClock& clock,
                       const std::optional<std::string>& display, const std::string& outputName,
                       uid_t user)
    : folder_(folder),
      outputName_(outputName),
      startedAt_(std::chrono::steady_clock::now()),
      process_(ProgramArguments(folder, clock, outputName, user),
               ProgramEnvironment(folder, clock, display), folder.TestFile(outputName + ".out"),
               folder.TestFile(outputName + ".err")) {}

void ProgramRun::SetClockSetResult(bool succeeds) const {
  folder_.Write(folder_.TestFile(kClockControl), succeeds ? "ok\n" : "eperm\n");
}

ClockRecord ProgramRun::Record() const {
  return ReadClockRecord(folder_.TestFile(ClockRecordOf(outputName_)));
}

std::string ProgramRun::TrackingLog() const {
  return folder_.Read(folder_.Path(kTrackingLogName));
}

std::string ProgramRun::ErrorOutput() const {
  return folder_.Read(folder_.TestFile(outputName_ + ".err"));
}

}  // namespace gpsclock::e2e
