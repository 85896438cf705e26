// The floor the program's sets are measured against: a bare loop that waits in a blocking read()
// on COM1 beside itself and, at a start byte that follows a whole frame, calls clock_settime at
// once with that frame's time (UTC) + 1 s + 1 ms. It is run as the program is, unprivileged and
// with the tests' fake clock preloaded.
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/time_units.h"
#include "receiver/frame_layout.h"

namespace {

using namespace gpsclock;

// The 1 ms a character takes on the line at 9600 baud, as the program adds it.
constexpr Nanoseconds kLineDelayNs = kNanosecondsPerMillisecond;
constexpr int kYearBase = 2000;

std::optional<int> OpenPort(const std::string& path) {
  const int port = open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (port < 0) return {};
  termios line{};
  if (tcgetattr(port, &line) != 0 || cfsetspeed(&line, B9600) != 0) return {};
  cfmakeraw(&line);
  if (tcsetattr(port, TCSANOW, &line) != 0 || tcflush(port, TCIFLUSH) != 0) return {};
  return port;
}

int TwoDigits(const std::string& frame, int position) {
  return (frame[position] - '0') * 10 + (frame[position + 1] - '0');
}

// The second the frame carries, since the epoch; nothing for a frame that is not whole.
std::optional<std::time_t> FrameSecond(const std::string& frame) {
  if (frame.size() != frame::kLength || frame[0] != frame::kStartByte ||
      frame[frame::kCrPosition] != '\r' || frame[frame::kLfPosition] != '\n') {
    return {};
  }
  for (int position = frame::kFirstDigitPosition; position <= frame::kLastDigitPosition;
       ++position) {
    if (frame[position] < '0' || frame[position] > '9') return {};
  }
  std::tm utc{};
  utc.tm_year = kYearBase + TwoDigits(frame, frame::kYearPosition) - 1900;
  utc.tm_mon = TwoDigits(frame, frame::kMonthPosition) - 1;
  utc.tm_mday = TwoDigits(frame, frame::kDayPosition);
  utc.tm_hour = TwoDigits(frame, frame::kHourPosition);
  utc.tm_min = TwoDigits(frame, frame::kMinutePosition);
  utc.tm_sec = TwoDigits(frame, frame::kSecondPosition);
  return timegm(&utc);
}

bool SetClock(std::time_t frameSecond) {
  const timespec target{frameSecond + 1, static_cast<long>(kLineDelayNs)};
  return clock_settime(CLOCK_REALTIME, &target) == 0;
}

}  // namespace

int main() {
  std::error_code error;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
  const std::string portPath = self.parent_path() / "COM1";
  const auto port = error ? std::nullopt : OpenPort(portPath);
  if (!port) {
    std::fprintf(stderr, "bare_set_loop: cannot open %s: %s\n", portPath.c_str(),
                 std::strerror(errno));
    return 1;
  }
  std::string frame;
  char bytes[64];
  // The device closing its side ends the read with 0 or EIO.
  for (ssize_t count; (count = read(*port, bytes, sizeof bytes)) > 0;) {
    for (ssize_t index = 0; index < count; ++index) {
      if (bytes[index] == frame::kStartByte) {
        const auto second = FrameSecond(frame);
        if (second && !SetClock(*second)) {
          std::fprintf(stderr, "bare_set_loop: clock_settime: %s\n", std::strerror(errno));
        }
        frame.clear();
      }
      if (frame.size() < frame::kLength) frame.push_back(bytes[index]);
    }
  }
  return 0;
}
