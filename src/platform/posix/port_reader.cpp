// The clocks are read first of all after read() returns: the stamp is what the mark's set, its
// sample and the age test stand on.
#include "platform/posix/port_reader.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <ctime>

#include "platform/time_units.h"

namespace gpsclock {
namespace {

// Larger than a terminal's input buffer (4 KiB), so one read takes all that waited.
constexpr std::size_t kReadSize = 16384;

// CLOCK_REALTIME and CLOCK_MONOTONIC always exist: reading them into a valid buffer cannot fail.
std::int64_t ReadClockNs(clockid_t clock) {
  timespec now{};
  clock_gettime(clock, &now);
  return std::int64_t{now.tv_sec} * kNanosecondsPerSecond + now.tv_nsec;
}

// What the driver holds that has not been read yet; 0 when it cannot say.
std::int32_t DriverHolds(int descriptor) {
  int count = 0;
  return ioctl(descriptor, FIONREAD, &count) == 0 ? count : 0;
}

}  // namespace

void ReadPort(int port, int wake, std::shared_ptr<BatchInbox> inbox) {
  std::array<char, kReadSize> buffer{};
  std::array<pollfd, 2> waits = {{{port, POLLIN, 0}, {wake, POLLIN, 0}}};
  for (;;) {
    // A port that can no longer be waited on is as good as gone.
    if (poll(waits.data(), waits.size(), -1) < 0) {
      if (errno == EINTR) continue;
      break;
    }
    if (waits[1].revents != 0) return;
    if (waits[0].revents == 0) continue;
    const ssize_t count = read(port, buffer.data(), buffer.size());
    const std::int64_t realtimeNs = ReadClockNs(CLOCK_REALTIME);
    const std::int64_t monotonicNs = ReadClockNs(CLOCK_MONOTONIC);
    if (count > 0) {
      inbox->Push({std::string(buffer.data(), static_cast<std::size_t>(count)), realtimeNs,
                   monotonicNs, DriverHolds(port)});
      continue;
    }
    if (count < 0 && (errno == EAGAIN || errno == EINTR)) continue;
    // End of file is a hung-up terminal (the adapter pulled out, the pseudo-terminal's other side
    // closed); EIO or ENXIO a device that is gone. Either way nothing more will come.
    break;
  }
  inbox->PushPortLost();
}

}  // namespace gpsclock
