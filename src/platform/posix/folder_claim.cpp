// flock on the folder's own descriptor. The descriptor is closed on exec, so that a program the
// copy starts (the system-information program) never holds the folder after the copy has ended.
#include "platform/posix/folder_claim.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <sstream>

namespace gpsclock {
namespace {

// A line of /proc/locks: "1: FLOCK  ADVISORY  WRITE 4242 fd:01:1311 0 EOF". A process waiting
// for a lock has "->" where the kind stands.
struct LockLine {
  std::string kind;
  std::string access;
  pid_t process = 0;
  std::string inode;  // the last field of major:minor:inode
};

std::optional<LockLine> ParseLockLine(const std::string& line) {
  std::istringstream fields(line);
  std::string number;
  std::string mode;
  std::string file;
  LockLine lock;
  if (!(fields >> number >> lock.kind >> mode >> lock.access >> lock.process >> file)) return {};
  const std::size_t colon = file.rfind(':');
  if (colon == std::string::npos) return {};
  lock.inode = file.substr(colon + 1);
  return lock;
}

// The user a process runs as is the owner of its /proc directory.
std::string UserOf(pid_t process) {
  struct stat entry {};
  if (stat(("/proc/" + std::to_string(process)).c_str(), &entry) != 0) return {};
  if (const passwd* user = getpwuid(entry.st_uid)) return user->pw_name;
  return std::to_string(entry.st_uid);
}

}  // namespace

FolderClaim::~FolderClaim() {
  if (descriptor_ != -1) close(descriptor_);
}

FolderClaim::Result FolderClaim::Take() {
  if (descriptor_ == -1) {
    descriptor_ = open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor_ == -1) return Result::kUnavailable;
  }
  while (flock(descriptor_, LOCK_EX | LOCK_NB) != 0) {
    if (errno != EINTR) return errno == EWOULDBLOCK ? Result::kHeldByAnother : Result::kUnavailable;
  }
  return Result::kTaken;
}

// Matched by the folder's inode number alone: on btrfs stat() gives a subvolume's device number,
// which /proc/locks does not use.
std::optional<ClaimHolder> FolderClaim::Holder() const {
  struct stat folder {};
  if (descriptor_ == -1 || fstat(descriptor_, &folder) != 0) return {};
  const std::string inode = std::to_string(folder.st_ino);
  std::ifstream locks("/proc/locks");
  std::string line;
  while (std::getline(locks, line)) {
    const auto lock = ParseLockLine(line);
    if (lock && lock->kind == "FLOCK" && lock->access == "WRITE" && lock->inode == inode) {
      return ClaimHolder{lock->process, UserOf(lock->process)};
    }
  }
  return {};
}

}  // namespace gpsclock
