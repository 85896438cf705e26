// Files in the program's own directory (config.cfg, the tracking log), opened and closed per call.
// No call waits: a file that would block (a FIFO without a reader, a device) fails at once.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace gpsclock {

// The most a read returns. The program's files hold a line or a few hundred lines; a file that
// never ends (a link to /dev/zero) or a huge one costs this much and no more.
inline constexpr std::size_t kReadLimitBytes = 4096;

class ProgramFiles {
 public:
  virtual ~ProgramFiles() = default;
  // The file's first bytes, at most kReadLimitBytes; nothing when it is missing or unreadable.
  virtual std::optional<std::string> Read(std::string_view fileName) = 0;
  // Creates the file or cuts it to zero length, then writes the bytes.
  virtual bool Replace(std::string_view fileName, std::string_view bytes) = 0;
  // Creates the file when missing and appends the bytes whole, or else fails and leaves the file
  // as it was: a file never keeps part of them.
  virtual bool Append(std::string_view fileName, std::string_view bytes) = 0;
};

}  // namespace gpsclock
