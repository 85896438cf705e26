// COMn links let the user name any device (a USB adapter, /dev/serial/by-id/...) as a port number.
#include "platform/posix/serial_device_path.h"

#include <sys/stat.h>

#include <cerrno>

namespace gpsclock {

// The link is opened by its own name: the kernel's claims on a port (its lock, the terminal's
// exclusive flag) hold on the device, whatever name it was opened by.
std::optional<std::string> SerialDevicePath(const std::string& programDirectory, int portNumber) {
  const std::string link = programDirectory + "/COM" + std::to_string(portNumber);
  struct stat entry {};
  if (lstat(link.c_str(), &entry) == 0) return link;
  if (errno != ENOENT) return {};
  return "/dev/ttyS" + std::to_string(portNumber - 1);
}

}  // namespace gpsclock
