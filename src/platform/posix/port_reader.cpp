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

// A read that returns nothing is a tenth of a second of silence, or a hung-up terminal (the
// adapter pulled out, the pseudo-terminal's other side closed), which reads as end of file at once.
bool HungUp(int port) {
  pollfd wait{port, POLLIN, 0};
  return poll(&wait, 1, 0) < 0 || (wait.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

}  // namespace

// The thread waits in read() itself: the stamp follows the kernel's wake-up with nothing between.
void ReadPort(int port, const std::atomic<bool>& closing, std::shared_ptr<BatchInbox> inbox) {
  std::array<char, kReadSize> buffer{};
  while (!closing.load()) {
    const ssize_t count = read(port, buffer.data(), buffer.size());
    const std::int64_t realtimeNs = ReadClockNs(CLOCK_REALTIME);
    const std::int64_t monotonicNs = ReadClockNs(CLOCK_MONOTONIC);
    if (count > 0) {
      inbox->Push({std::string(buffer.data(), static_cast<std::size_t>(count)), realtimeNs,
                   monotonicNs, DriverHolds(port)});
      continue;
    }
    if (count < 0 && (errno == EAGAIN || errno == EINTR)) continue;
    if (count == 0 && !HungUp(port)) continue;
    // EIO or ENXIO is a device that is gone: nothing more will come.
    if (!closing.load()) inbox->PushPortLost();
    return;
  }
}

}  // namespace gpsclock
