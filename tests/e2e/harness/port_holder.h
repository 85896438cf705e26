// Another program holding a serial port, in one of the two ways programs do: the device open with
// the terminal's exclusive flag, which the kernel enforces against every unprivileged open, or a
// lock file named after the device in the lock directory, which Qt's serial port honours.
#pragma once

#include <memory>
#include <string>

#include "harness/child_process.h"

namespace gpsclock::e2e {

enum class PortHold { kExclusiveOpen, kLockFile };

class PortHolder {
 public:
  // Takes the device that the link `portPath` (COMn) leads to.
  PortHolder(const std::string& portPath, PortHold hold);
  ~PortHolder();
  PortHolder(const PortHolder&) = delete;
  PortHolder& operator=(const PortHolder&) = delete;

  bool Holding() const { return holding_; }
  // Lets the port go as a well-behaved program does: the exclusive flag is cleared before the
  // close (a pseudo-terminal keeps it while its other side is open), the lock file is removed.
  void Release();

 private:
  int descriptor_ = -1;
  // The process the lock file names, of the program's own user.
  std::unique_ptr<ChildProcess> lockOwner_;
  std::string lockFile_;
  bool holding_ = false;
};

}  // namespace gpsclock::e2e
