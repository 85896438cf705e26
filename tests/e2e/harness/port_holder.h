// Another program holding a serial port, in one of the two ways the kernel enforces: the device
// open with the terminal's exclusive flag, which stops every unprivileged open, or locked with
// flock, as another copy of the program locks it.
#pragma once

#include <string>

namespace gpsclock::e2e {

enum class PortHold { kExclusiveOpen, kLock };

class PortHolder {
 public:
  // Takes the device that the link `portPath` (COMn) leads to.
  PortHolder(const std::string& portPath, PortHold hold);
  ~PortHolder();
  PortHolder(const PortHolder&) = delete;
  PortHolder& operator=(const PortHolder&) = delete;

  bool Holding() const { return holding_; }
  // Lets the port go as a well-behaved program does: the exclusive flag is cleared before the
  // close (a pseudo-terminal keeps it while its other side is open); the close drops the lock.
  void Release();

 private:
  int descriptor_ = -1;
  bool holding_ = false;
};

}  // namespace gpsclock::e2e
