// Each call opens and closes its file, so the user can edit or delete the files while the
// program runs, and a failure anywhere, the final close included, fails the call. Every open is
// non-blocking, so that a FIFO without a reader fails at once (ENXIO) instead of stopping the
// receive path, and a read that would wait fails. In a folder shared by a group (the installed
// program's, writable by the group and sticky) each member must be able to write the files
// another member made.
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

// A file this call makes is as writable for the group as the folder is, whatever the umask: in
// the group's folder every member saves config.cfg and appends to the log, whoever made them. A
// file system without Unix modes may refuse the change; the file is then as it allows.
void ShareWithFolderGroup(int descriptor, const std::string& directory) {
  struct stat folder {};
  struct stat file {};
  if (stat(directory.c_str(), &folder) != 0 || (folder.st_mode & S_IWGRP) == 0 ||
      fstat(descriptor, &file) != 0) {
    return;
  }
  [[maybe_unused]] const int shared = fchmod(descriptor, file.st_mode | S_IRGRP | S_IWGRP);
}

// An existing file is opened without O_CREAT: in a sticky folder the kernel may refuse O_CREAT
// on a file of another user (fs.protected_regular), even where the open alone is allowed.
int OpenForWriting(const std::string& path, const std::string& directory, int flags) {
  const int descriptor = open(path.c_str(), O_WRONLY | flags | kOpenFlags);
  if (descriptor != -1 || errno != ENOENT) return descriptor;
  const int created = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | flags | kOpenFlags, 0666);
  if (created == -1) {
    // Made by someone else since the first open.
    return errno == EEXIST ? open(path.c_str(), O_WRONLY | flags | kOpenFlags) : -1;
  }
  ShareWithFolderGroup(created, directory);
  return created;
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
  const int descriptor = OpenForWriting(PathOf(fileName), directory_, O_TRUNC);
  if (descriptor == -1) return false;
  return CloseChecked(descriptor, WriteAll(descriptor, bytes));
}

// A write cut short (a full disk, a file size limit) is undone by cutting the file back to the
// length it had, so that the next line does not glue onto a torn one.
bool DirectoryFiles::Append(std::string_view fileName, std::string_view bytes) {
  const int descriptor = OpenForWriting(PathOf(fileName), directory_, O_APPEND);
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
