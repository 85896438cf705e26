// Each call opens and closes its file, so the user can edit or delete the files while the
// program runs, and a failure anywhere, the final close included, fails the call. Every open is
// non-blocking, so that a FIFO without a reader fails at once (ENXIO) instead of stopping the
// receive path, and a read that would wait fails.
#include "platform/posix/directory_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace gpsclock {
namespace {

constexpr int kOpenFlags = O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

std::optional<std::string> ReadStart(int descriptor) {
  std::string bytes(kReadLimitBytes, '\0');
  std::size_t filled = 0;
  while (filled < bytes.size()) {
    const ssize_t count = read(descriptor, bytes.data() + filled, bytes.size() - filled);
    if (count == 0) break;
    if (count > 0) {
      filled += static_cast<std::size_t>(count);
    } else if (errno != EINTR) {
      return {};
    }
  }
  bytes.resize(filled);
  return bytes;
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

// Some file systems report a failed write only at close.
bool CloseChecked(int descriptor, bool written) {
  const bool closed = close(descriptor) == 0;
  return written && closed;
}

}  // namespace

std::optional<std::string> DirectoryFiles::Read(std::string_view fileName) {
  const int descriptor = open(PathOf(fileName).c_str(), O_RDONLY | kOpenFlags);
  if (descriptor == -1) return {};
  auto bytes = ReadStart(descriptor);
  if (close(descriptor) != 0) return {};
  return bytes;
}

bool DirectoryFiles::Replace(std::string_view fileName, std::string_view bytes) {
  const int descriptor =
      open(PathOf(fileName).c_str(), O_WRONLY | O_CREAT | O_TRUNC | kOpenFlags, 0666);
  if (descriptor == -1) return false;
  return CloseChecked(descriptor, WriteAll(descriptor, bytes));
}

// A write cut short (a full disk, a file size limit) is undone by cutting the file back to the
// length it had, so that the next line does not glue onto a torn one.
bool DirectoryFiles::Append(std::string_view fileName, std::string_view bytes) {
  const int descriptor =
      open(PathOf(fileName).c_str(), O_WRONLY | O_CREAT | O_APPEND | kOpenFlags, 0666);
  if (descriptor == -1) return false;
  struct stat before {};
  if (fstat(descriptor, &before) != 0) return CloseChecked(descriptor, false);
  const bool written = WriteAll(descriptor, bytes);
  if (!written && S_ISREG(before.st_mode)) {
    [[maybe_unused]] const int cut = ftruncate(descriptor, before.st_size);
  }
  return CloseChecked(descriptor, written);
}

std::string DirectoryFiles::PathOf(std::string_view fileName) const {
  return directory_ + "/" + std::string(fileName);
}

}  // namespace gpsclock
