// A folder of its own per test under Windows' temporary folder, named by the process and a count,
// so tests can run side by side; its path in UTF-8, as the program's folder is given.
#include "temp_directory.h"

#include <windows.h>

#include <atomic>
#include <filesystem>

namespace gpsclock {

TempDirectory::TempDirectory() {
  static std::atomic<int> count = 0;
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() /
      ("gpsclock-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++count));
  std::filesystem::create_directories(folder);
  const std::u8string utf8 = folder.u8string();
  path_.assign(utf8.begin(), utf8.end());
}

TempDirectory::~TempDirectory() {
  std::error_code error;
  std::filesystem::remove_all(std::filesystem::u8path(path_), error);
}

}  // namespace gpsclock
