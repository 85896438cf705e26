// A random name, and a directory that did not exist before, make each test's directory its own,
// so tests can run side by side. The path is UTF-8 on Linux and Windows alike.
#include "temp_directory.h"

#include <filesystem>
#include <random>

namespace gpsclock {

TempDirectory::TempDirectory() {
  std::random_device random;
  std::filesystem::path directory;
  do {
    directory = std::filesystem::temp_directory_path() / ("gpsclock-" + std::to_string(random()));
  } while (!std::filesystem::create_directory(directory));
  path_ = reinterpret_cast<const char*>(directory.u8string().c_str());
}

TempDirectory::~TempDirectory() {
  // A test may have taken away write permission; removal needs it back.
  std::error_code error;
  const auto directory = std::filesystem::u8path(path_);
  std::filesystem::permissions(directory, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, error);
  std::filesystem::remove_all(directory, error);
}

}  // namespace gpsclock
