// The port is claimed with the kernel's own means, which end with the process however it ends: no
// lock file is left behind for the next user to trip over.
#include "platform/posix/termios_serial_layer.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cstdint>
#include <functional>
#include <system_error>

#include "platform/posix/low_latency.h"
#include "platform/posix/port_reader.h"
#include "platform/posix/serial_device_path.h"
#include "platform/posix/termios_line.h"

namespace gpsclock {
namespace {

// The lock keeps out every other copy of this program, whatever its privileges; the terminal's
// exclusive flag keeps out every other unprivileged open. A flag already set means another
// program holds the device, even when this process may open it all the same.
bool ClaimPort(int port) {
  int exclusive = 0;
  return flock(port, LOCK_EX | LOCK_NB) == 0 && ioctl(port, TIOCGEXCL, &exclusive) == 0 &&
         exclusive == 0 && ioctl(port, TIOCEXCL) == 0;
}

// A pseudo-terminal keeps the exclusive flag for as long as its other side is open, so it is
// cleared before the close; closing drops the lock. The descriptor is gone whatever these say.
void ReleasePort(int port) {
  ioctl(port, TIOCNXCL);
  close(port);
}

}  // namespace

TermiosSerialLayer::TermiosSerialLayer(std::string programDirectory, PostToUiThread post)
    : programDirectory_(std::move(programDirectory)),
      delivery_(std::move(post), [this] { Close(); }) {}

TermiosSerialLayer::~TermiosSerialLayer() {
  Close();
}

bool TermiosSerialLayer::SetSettings(const std::string& settings) {
  const auto parsed = ParseLineSettings(settings);
  if (!parsed || !TermiosSpeed(parsed->baud)) return false;
  if (IsOpen() && !ApplyLineSettings(port_, *parsed)) return false;
  settings_ = *parsed;
  return true;
}

bool TermiosSerialLayer::SetCommPort(std::int16_t portNumber) {
  if (portNumber < 1) return false;
  portNumber_ = portNumber;
  return true;
}

bool TermiosSerialLayer::SetInputMode(int mode) {
  return mode == 0;
}

bool TermiosSerialLayer::Open() {
  if (IsOpen()) return false;
  const auto path = SerialDevicePath(programDirectory_, portNumber_);
  if (!path) return false;
  // The device only talks, so the port is never written. Without O_NONBLOCK a port whose modem
  // lines say nobody is there would keep the open waiting.
  const int port = open(path->c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (port < 0) return false;
  if (!ClaimPort(port)) {
    close(port);
    return false;
  }
  // Bytes that waited in the terminal before the open are of unknown age (a pseudo-terminal keeps
  // what another program left unread), and a start byte after them would make them a mark.
  if (!ApplyLineSettings(port, settings_) || tcflush(port, TCIFLUSH) != 0) {
    ReleasePort(port);
    return false;
  }
  // Without low latency the port still works, only the start byte may arrive a little later.
  lowLatency_ = RequestLowLatency(port);
  // The reader thread waits in read() itself.
  const int flags = fcntl(port, F_GETFL);
  if (flags < 0 || fcntl(port, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    ReleasePort(port);
    return false;
  }
  closing_.store(false);
  try {
    reader_ = std::thread(ReadPort, port, std::cref(closing_), delivery_.StartPort());
  } catch (const std::system_error&) {
    delivery_.StopPort();
    ReleasePort(port);
    return false;
  }
  port_ = port;
  return true;
}

// The reader thread ends, at its next read that returns (a tenth of a second at the most), before
// its descriptor closes, so it never reads a closed (or reused) descriptor.
void TermiosSerialLayer::Close() {
  if (!IsOpen()) return;
  delivery_.StopPort();
  closing_.store(true);
  reader_.join();
  ReleasePort(port_);
  port_ = -1;
}

}  // namespace gpsclock
