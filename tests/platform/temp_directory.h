// A fresh directory under the system's temporary directory, removed with everything in it.
#pragma once

#include <string>

namespace gpsclock {

class TempDirectory {
 public:
  TempDirectory();
  ~TempDirectory();
  TempDirectory(const TempDirectory&) = delete;
  TempDirectory& operator=(const TempDirectory&) = delete;

  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace gpsclock
