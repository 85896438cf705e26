// The device is opened for writing only: the GPS clock device never listens.
#include "device_line.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "raw_line.h"

namespace gpsclock::simulator {

std::unique_ptr<DeviceLine> DeviceLine::Open(const std::string& path, int baud,
                                             std::string& error) {
  const int descriptor = open(path.c_str(), O_WRONLY | O_NOCTTY);
  if (descriptor < 0) {
    error = path + ": " + std::strerror(errno);
    return nullptr;
  }
  if (!SetRawLine(descriptor, baud)) {
    error = path + ": not a serial port that takes " + std::to_string(baud) + " baud";
    close(descriptor);
    return nullptr;
  }
  return std::unique_ptr<DeviceLine>(new DeviceLine(descriptor));
}

DeviceLine::~DeviceLine() {
  close(descriptor_);
}

bool DeviceLine::Send(std::string_view bytes) {
  return write(descriptor_, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
}

}  // namespace gpsclock::simulator
