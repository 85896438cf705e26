// The mount is private to the test's folder; a lazy unmount lets it go even if a file is open.
#include "harness/small_file_system.h"

#include <sys/mount.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace gpsclock::e2e {

SmallFileSystem::SmallFileSystem(std::string mountPoint, std::size_t bytes, uid_t owner,
                                 gid_t group)
    : mountPoint_(std::move(mountPoint)) {
  mkdir(mountPoint_.c_str(), 0755);
  const std::string options = "size=" + std::to_string(bytes) +
                              ",mode=0755,uid=" + std::to_string(owner) +
                              ",gid=" + std::to_string(group);
  mounted_ = mount("tmpfs", mountPoint_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV | MS_NOEXEC,
                   options.c_str()) == 0;
  if (!mounted_) problem_ = std::string("mount tmpfs: ") + std::strerror(errno);
}

SmallFileSystem::~SmallFileSystem() {
  if (mounted_) umount2(mountPoint_.c_str(), MNT_DETACH);
}

}  // namespace gpsclock::e2e
