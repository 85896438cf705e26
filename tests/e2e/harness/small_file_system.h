// A tmpfs of a few pages, mounted for one test and unmounted after it, so that a write can run
// out of room part way through as on a full disk. Mounting needs root.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>

namespace gpsclock::e2e {

class SmallFileSystem {
 public:
  // Mounts `bytes` of tmpfs (whole pages) at `mountPoint`, made if missing, owned by `owner`.
  SmallFileSystem(std::string mountPoint, std::size_t bytes, uid_t owner, gid_t group);
  ~SmallFileSystem();
  SmallFileSystem(const SmallFileSystem&) = delete;
  SmallFileSystem& operator=(const SmallFileSystem&) = delete;

  bool Mounted() const { return mounted_; }
  // Why it is not mounted.
  const std::string& Problem() const { return problem_; }
  std::string Path(const std::string& name) const { return mountPoint_ + "/" + name; }

 private:
  std::string mountPoint_;
  bool mounted_ = false;
  std::string problem_;
};

}  // namespace gpsclock::e2e
