// Each call opens and closes its file, so the user can edit or delete the files while the
// program runs, and a failure anywhere, the final close included, fails the call.
#include "platform/posix/directory_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>

namespace gpsclock {
namespace {

std::optional<std::string> ReadAll(int descriptor) {
  std::string bytes;
  std::array<char, 4096> chunk;
  for (;;) {
    const ssize_t count = read(descriptor, chunk.data(), chunk.size());
    if (count == 0) return bytes;
    if (count > 0) {
      bytes.append(chunk.data(), static_cast<std::size_t>(count));
    } else if (errno != EINTR) {
      return {};
    }
  }
}

bool WriteAll(int descriptor, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t count = write(descriptor, bytes.data(), bytes.size());
    if (count > 0) {
      bytes.remove_prefix(static_cast<std::size_t>(count));
    } else if (count == 0 || errno != EINTR) {
      return false;
    }
  }
  return true;
}

// `mode` is O_TRUNC or O_APPEND.
bool WriteFile(const std::string& path, int mode, std::string_view bytes) {
  const int descriptor = open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | mode, 0666);
  if (descriptor == -1) return false;
  const bool written = WriteAll(descriptor, bytes);
  // Some file systems report a failed write only at close.
  const bool closed = close(descriptor) == 0;
  return written && closed;
}

}  // namespace

std::optional<std::string> DirectoryFiles::Read(std::string_view fileName) {
  const int descriptor = open(PathOf(fileName).c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor == -1) return {};
  auto bytes = ReadAll(descriptor);
  if (close(descriptor) != 0) return {};
  return bytes;
}

bool DirectoryFiles::Replace(std::string_view fileName, std::string_view bytes) {
  return WriteFile(PathOf(fileName), O_TRUNC, bytes);
}

bool DirectoryFiles::Append(std::string_view fileName, std::string_view bytes) {
  return WriteFile(PathOf(fileName), O_APPEND, bytes);
}

std::string DirectoryFiles::PathOf(std::string_view fileName) const {
  return directory_ + "/" + std::string(fileName);
}

}  // namespace gpsclock
