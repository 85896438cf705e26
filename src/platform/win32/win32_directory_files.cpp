// Each call opens and closes its file, so the user can edit or delete the files while the program
// runs, and a failure anywhere, the final close included, fails the call. Only a file on disk is
// read or written: a name that leads to a device or a pipe fails before any byte moves, so nothing
// waits. A file another program holds without sharing fails at once, as Windows does not wait for
// a sharing violation.
#include "platform/win32/win32_directory_files.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/wide_text.h"

namespace gpsclock {
namespace {

// WriteFile counts in a DWORD: longer bytes go in parts. A read never asks for more than
// kReadLimitBytes.
constexpr DWORD kChunkBytes = 1 << 16;

// Closes the handle when it goes; Close() reports the close's own failure.
class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() { Close(); }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;

  HANDLE Get() const { return handle_; }
  bool IsDiskFile() const {
    return handle_ != INVALID_HANDLE_VALUE && GetFileType(handle_) == FILE_TYPE_DISK;
  }
  bool Close() {
    if (handle_ == INVALID_HANDLE_VALUE) return false;
    const bool closed = CloseHandle(handle_) != 0;
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE handle_;
};

HANDLE OpenFile(const std::wstring& path, DWORD access, DWORD share, DWORD disposition) {
  return CreateFileW(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                     nullptr);
}

std::optional<std::string> ReadStart(HANDLE file) {
  std::string bytes(kReadLimitBytes, '\0');
  std::size_t filled = 0;
  while (filled < bytes.size()) {
    DWORD count = 0;
    const auto wanted = static_cast<DWORD>(bytes.size() - filled);
    if (!ReadFile(file, bytes.data() + filled, wanted, &count, nullptr)) return {};
    if (count == 0) break;
    filled += count;
  }
  bytes.resize(filled);
  return bytes;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD count = 0;
    const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), kChunkBytes));
    if (!WriteFile(file, bytes.data(), wanted, &count, nullptr) || count == 0) return false;
    bytes.remove_prefix(count);
  }
  return true;
}

}  // namespace

std::optional<std::string> Win32DirectoryFiles::Read(std::string_view fileName) {
  const auto path = PathOf(fileName);
  if (!path) return {};
  FileHandle file(OpenFile(*path, GENERIC_READ,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_EXISTING));
  if (!file.IsDiskFile()) return {};
  auto bytes = ReadStart(file.Get());
  if (!file.Close()) return {};
  return bytes;
}

// The file is cut only once it is known to be a file on disk.
bool Win32DirectoryFiles::Replace(std::string_view fileName, std::string_view bytes) {
  const auto path = PathOf(fileName);
  if (!path) return false;
  FileHandle file(OpenFile(*path, GENERIC_WRITE, FILE_SHARE_READ, OPEN_ALWAYS));
  if (!file.IsDiskFile()) return false;
  const bool written = SetEndOfFile(file.Get()) && WriteAll(file.Get(), bytes);
  return file.Close() && written;
}

// A write cut short (a full disk, a quota) is undone by cutting the file back to the length it
// had, so that the next line does not glue onto a torn one. No other program writes between the
// two: the file is not shared for writing while it is open.
bool Win32DirectoryFiles::Append(std::string_view fileName, std::string_view bytes) {
  const auto path = PathOf(fileName);
  if (!path) return false;
  FileHandle file(OpenFile(*path, GENERIC_WRITE, FILE_SHARE_READ, OPEN_ALWAYS));
  if (!file.IsDiskFile()) return false;
  LARGE_INTEGER end{};
  if (!SetFilePointerEx(file.Get(), LARGE_INTEGER{}, &end, FILE_END)) return false;
  const bool written = WriteAll(file.Get(), bytes);
  if (!written && SetFilePointerEx(file.Get(), end, nullptr, FILE_BEGIN)) {
    SetEndOfFile(file.Get());
  }
  return file.Close() && written;
}

std::optional<std::wstring> Win32DirectoryFiles::PathOf(std::string_view fileName) const {
  return ToWide(CP_UTF8, directory_ + "\\" + std::string(fileName));
}

}  // namespace gpsclock
