// LD_PRELOAD library of the black-box tests: a fake PC clock for the program under test. It
// records every attempt to set the clock, answers it as the test asks, and shifts what
// clock_gettime(CLOCK_REALTIME) returns; the machine's clock is never set.
//
// FAKE_CLOCK_RECORD     file that gets one line per event (below)
// FAKE_CLOCK_OFFSET_NS  where the fake clock starts: the machine's clock plus this many ns
// FAKE_CLOCK_SET_RESULT "ok" (the default) or "eperm": how clock_settime answers
// FAKE_CLOCK_CONTROL    file whose first word, while it exists, overrides FAKE_CLOCK_SET_RESULT
//
// Lines: "loaded <pid> <euid> <effective capabilities, hex>" when the library is loaded;
// "set <asked ns> <fake clock ns at the call> <CLOCK_MONOTONIC ns at the call> ok|eperm" for
// clock_settime(CLOCK_REALTIME); "violation <function> <CLOCK_MONOTONIC ns>" for any other way of
// setting or adjusting a clock, which the program must not use and which always fails here.
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/time.h>
#include <sys/timex.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "platform/time_units.h"

namespace {

using gpsclock::kNanosecondsPerSecond;

using ClockGettime = int (*)(clockid_t, timespec*);

ClockGettime RealClockGettime() {
  static const auto function = reinterpret_cast<ClockGettime>(dlsym(RTLD_NEXT, "clock_gettime"));
  return function;
}

std::int64_t ReadRealClock(clockid_t clock) {
  timespec now{};
  RealClockGettime()(clock, &now);
  return now.tv_sec * kNanosecondsPerSecond + now.tv_nsec;
}

std::atomic<std::int64_t>& FakeClockOffset() {
  static std::atomic<std::int64_t> offset{[] {
    const char* text = std::getenv("FAKE_CLOCK_OFFSET_NS");
    return text != nullptr ? std::strtoll(text, nullptr, 10) : 0LL;
  }()};
  return offset;
}

void Record(const char* line, int length) {
  static const int file = [] {
    const char* path = std::getenv("FAKE_CLOCK_RECORD");
    return path != nullptr ? open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666) : -1;
  }();
  if (file >= 0 && length > 0) {
    [[maybe_unused]] const ssize_t written = write(file, line, static_cast<std::size_t>(length));
  }
}

// The beginning of a small file as text; an empty text when it cannot be read.
void ReadFileStart(const char* path, char* text, std::size_t size) {
  const int file = open(path, O_RDONLY | O_CLOEXEC);
  const ssize_t length = file >= 0 ? read(file, text, size - 1) : -1;
  if (file >= 0) close(file);
  text[length > 0 ? length : 0] = '\0';
}

bool SetSucceeds() {
  char word[16] = "";
  const char* control = std::getenv("FAKE_CLOCK_CONTROL");
  if (control != nullptr) ReadFileStart(control, word, sizeof word);
  word[std::strcspn(word, " \t\r\n")] = '\0';
  if (word[0] == '\0') {
    const char* result = std::getenv("FAKE_CLOCK_SET_RESULT");
    std::snprintf(word, sizeof word, "%s", result != nullptr ? result : "ok");
  }
  return std::strcmp(word, "eperm") != 0;
}

int RefuseAsViolation(const char* function) {
  char line[96];
  Record(line, std::snprintf(line, sizeof line, "violation %s %" PRId64 "\n", function,
                             ReadRealClock(CLOCK_MONOTONIC)));
  errno = EPERM;
  return -1;
}

// Who the program runs as, so that the test can check that nothing uncaught could succeed.
__attribute__((constructor)) void RecordLoaded() {
  char status[4096];
  ReadFileStart("/proc/self/status", status, sizeof status);
  constexpr char kField[] = "CapEff:";
  const char* capabilities = std::strstr(status, kField);
  const unsigned long long effective =
      capabilities != nullptr ? std::strtoull(capabilities + sizeof kField - 1, nullptr, 16)
                              : ~0ULL;
  char line[96];
  Record(line, std::snprintf(line, sizeof line, "loaded %d %u %llx\n", static_cast<int>(getpid()),
                             static_cast<unsigned>(geteuid()), effective));
}

}  // namespace

extern "C" {

int clock_gettime(clockid_t clock, timespec* time) noexcept {
  const int result = RealClockGettime()(clock, time);
  if (result != 0 || clock != CLOCK_REALTIME) return result;
  const std::int64_t fake =
      time->tv_sec * kNanosecondsPerSecond + time->tv_nsec + FakeClockOffset().load();
  time->tv_sec = static_cast<time_t>(fake / kNanosecondsPerSecond);
  time->tv_nsec = static_cast<long>(fake % kNanosecondsPerSecond);
  return 0;
}

int clock_settime(clockid_t clock, const timespec* time) noexcept {
  const std::int64_t monotonic = ReadRealClock(CLOCK_MONOTONIC);
  if (clock != CLOCK_REALTIME) return RefuseAsViolation("clock_settime");
  const std::int64_t real = ReadRealClock(CLOCK_REALTIME);
  const std::int64_t asked = time->tv_sec * kNanosecondsPerSecond + time->tv_nsec;
  const bool succeeds = SetSucceeds();
  char line[128];
  Record(line,
         std::snprintf(line, sizeof line, "set %" PRId64 " %" PRId64 " %" PRId64 " %s\n", asked,
                       real + FakeClockOffset().load(), monotonic, succeeds ? "ok" : "eperm"));
  if (!succeeds) {
    errno = EPERM;
    return -1;
  }
  // From now on the fake clock reads the time just set, and runs on from there.
  FakeClockOffset().store(asked - real);
  return 0;
}

int settimeofday(const timeval*, const struct timezone*) noexcept {
  return RefuseAsViolation("settimeofday");
}
int adjtime(const timeval*, timeval*) noexcept {
  return RefuseAsViolation("adjtime");
}
int adjtimex(timex*) noexcept {
  return RefuseAsViolation("adjtimex");
}
int ntp_adjtime(timex*) noexcept {
  return RefuseAsViolation("ntp_adjtime");
}
int clock_adjtime(clockid_t, timex*) noexcept {
  return RefuseAsViolation("clock_adjtime");
}

}  // extern "C"
