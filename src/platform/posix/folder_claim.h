// The claim one running copy of the program holds on its program folder: an exclusive lock on the
// folder itself. The kernel lets it go when the process ends, however it ends (SIGKILL included),
// and it needs no file in the folder, so a read-only folder is claimed like any other.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>

namespace gpsclock {

// The process that holds a folder's claim, and the user it runs as: a name, the number of a user
// without a name, or empty where /proc does not show the process.
struct ClaimHolder {
  pid_t process = 0;
  std::string user;
};

class FolderClaim {
 public:
  enum class Result {
    kTaken,          // this process holds the folder now
    kHeldByAnother,  // another process holds it
    kUnavailable,    // the folder cannot be opened (no read permission): nobody can claim it
  };

  explicit FolderClaim(std::string folder) : folder_(std::move(folder)) {}
  // Lets the claim go.
  ~FolderClaim();
  FolderClaim(const FolderClaim&) = delete;
  FolderClaim& operator=(const FolderClaim&) = delete;

  // Takes the claim unless another process holds it; of two processes that try at the same
  // moment, one takes it.
  Result Take();
  // The process holding the claim as /proc/locks names it; nothing when it cannot tell.
  std::optional<ClaimHolder> Holder() const;

 private:
  std::string folder_;
  int descriptor_ = -1;
};

}  // namespace gpsclock
