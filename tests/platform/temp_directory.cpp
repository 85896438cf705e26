// mkdtemp makes each test's directory its own, so tests can run side by side.
#include "temp_directory.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

namespace gpsclock {

TempDirectory::TempDirectory() {
  std::string pattern = (std::filesystem::temp_directory_path() / "gpsclock-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "no temporary directory: " << pattern;
  path_ = pattern;
}

TempDirectory::~TempDirectory() {
  // A test may have taken away write permission; removal needs it back.
  chmod(path_.c_str(), 0700);
  std::error_code error;
  std::filesystem::remove_all(path_, error);
}

}  // namespace gpsclock
