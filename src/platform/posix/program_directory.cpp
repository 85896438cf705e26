// /proc/self/exe names the program itself, whatever the working directory or the command line.
#include "platform/posix/program_directory.h"

#include <unistd.h>

#include <array>
#include <climits>
#include <string_view>

namespace gpsclock {

std::optional<std::string> ProgramDirectory() {
  std::array<char, PATH_MAX> buffer;
  const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
  // A full buffer may hold a cut-off path.
  if (length <= 0 || static_cast<std::size_t>(length) == buffer.size()) return {};
  const std::string_view path(buffer.data(), static_cast<std::size_t>(length));
  const std::size_t slash = path.rfind('/');
  if (slash == std::string_view::npos) return {};
  return std::string(path.substr(0, slash == 0 ? 1 : slash));
}

}  // namespace gpsclock
