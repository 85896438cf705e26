// Qt takes a lock file for stale unless it can see that the process it names still runs the
// program it names, and it cannot see into another user's processes: so the lock belongs to a
// sleeping process of the program's own user. Such a file left behind by a killed test goes stale
// within a minute, and the program's user may remove it.
#include "harness/port_holder.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <thread>
#include <vector>

#include "harness/unprivileged.h"

namespace gpsclock::e2e {
namespace {

// The first of the directories Qt looks in.
constexpr char kLockDirectory[] = "/var/lock";
constexpr char kDevicePrefix[] = "/dev/";
constexpr char kLockOwnerProgram[] = "sleep";
constexpr char kLockOwnerSeconds[] = "60";
constexpr std::chrono::seconds kStartTimeout{5};
constexpr std::chrono::milliseconds kPollInterval{10};

// /var/lock/LCK..pts_3 for /dev/pts/3.
std::string LockFileOf(std::string device) {
  if (device.rfind(kDevicePrefix, 0) == 0) device.erase(0, sizeof kDevicePrefix - 1);
  std::replace(device.begin(), device.end(), '/', '_');
  return std::string(kLockDirectory) + "/LCK.." + device;
}

// The lines of Qt's own lock files: process id, program name, host name.
std::string LockFileText(pid_t owner) {
  char host[HOST_NAME_MAX + 1] = "";
  gethostname(host, sizeof host);
  return std::to_string(owner) + "\n" + kLockOwnerProgram + "\n" + host + "\n";
}

// Whether the process runs the lock owner's program yet, past the unprivileged prefix.
bool WaitForLockOwner(pid_t owner) {
  const std::string executable = "/proc/" + std::to_string(owner) + "/exe";
  const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
  while (std::chrono::steady_clock::now() < deadline) {
    std::error_code error;
    if (std::filesystem::read_symlink(executable, error).filename() == kLockOwnerProgram) {
      return true;
    }
    std::this_thread::sleep_for(kPollInterval);
  }
  return false;
}

// The file is replaced in one step: a lock file on a pseudo-terminal just made can only be one that
// an earlier program ended without removing (a Qt program ended by a signal leaves its own).
bool PutLockFile(const std::string& path, const std::string& text) {
  const std::string draft = path + ".draft";
  const int file = open(draft.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (file < 0) return false;
  const bool written = write(file, text.data(), text.size()) == static_cast<ssize_t>(text.size());
  const bool closed = close(file) == 0;
  if (!written || !closed || chown(draft.c_str(), ProgramUser(), ProgramGroup()) != 0 ||
      rename(draft.c_str(), path.c_str()) != 0) {
    unlink(draft.c_str());
    return false;
  }
  return true;
}

}  // namespace

PortHolder::PortHolder(const std::string& portPath, PortHold hold) {
  std::error_code error;
  const std::string device = std::filesystem::canonical(portPath, error).string();
  if (error) return;
  if (hold == PortHold::kExclusiveOpen) {
    descriptor_ = open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    holding_ = descriptor_ >= 0 && ioctl(descriptor_, TIOCEXCL) == 0;
    return;
  }
  std::vector<std::string> arguments = UnprivilegedPrefix();
  arguments.insert(arguments.end(), {kLockOwnerProgram, kLockOwnerSeconds});
  lockOwner_ = std::make_unique<ChildProcess>(
      arguments, std::vector<std::string>{"PATH=/usr/bin:/bin"}, "/dev/null", "/dev/null");
  if (!lockOwner_->Started() || !WaitForLockOwner(lockOwner_->Id())) return;
  const std::string lockFile = LockFileOf(device);
  if (!PutLockFile(lockFile, LockFileText(lockOwner_->Id()))) return;
  lockFile_ = lockFile;
  holding_ = true;
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
  if (!lockFile_.empty()) unlink(lockFile_.c_str());
  lockFile_.clear();
  if (lockOwner_) lockOwner_->Stop();
  holding_ = false;
}

}  // namespace gpsclock::e2e
