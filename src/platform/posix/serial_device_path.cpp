// COMn links let the user name any device (a USB adapter, /dev/serial/by-id/...) as a port number.
#include "platform/posix/serial_device_path.h"

#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace gpsclock {

std::optional<std::string> SerialDevicePath(const std::string& programDirectory, int portNumber) {
  const std::string link = programDirectory + "/COM" + std::to_string(portNumber);
  struct stat entry {};
  if (lstat(link.c_str(), &entry) != 0) {
    if (errno != ENOENT) return {};
    return "/dev/ttyS" + std::to_string(portNumber - 1);
  }
  // Qt locks a port by the name it was opened with, so the link is followed to the device: the
  // same device opened under another name must still be found in use.
  char resolved[PATH_MAX];
  if (realpath(link.c_str(), resolved) == nullptr) return {};
  return std::string(resolved);
}

}  // namespace gpsclock
