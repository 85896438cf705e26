// The holder is the test process itself: both claims belong to its open descriptor.
#include "harness/port_holder.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace gpsclock::e2e {

PortHolder::PortHolder(const std::string& portPath, PortHold hold) {
  descriptor_ = open(portPath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (descriptor_ < 0) return;
  holding_ = hold == PortHold::kExclusiveOpen ? ioctl(descriptor_, TIOCEXCL) == 0
                                              : flock(descriptor_, LOCK_EX | LOCK_NB) == 0;
}

PortHolder::~PortHolder() {
  Release();
}

void PortHolder::Release() {
  if (descriptor_ >= 0) {
    ioctl(descriptor_, TIOCNXCL);
    close(descriptor_);
    descriptor_ = -1;
  }
  holding_ = false;
}

}  // namespace gpsclock::e2e
