// Files in the program's own directory (config.cfg, the tracking log), opened and closed per call.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace gpsclock {

class ProgramFiles {
 public:
  virtual ~ProgramFiles() = default;
  // The whole file as bytes; nothing when it is missing or unreadable.
  virtual std::optional<std::string> Read(std::string_view fileName) = 0;
  // Creates the file or cuts it to zero length, then writes the bytes.
  virtual bool Replace(std::string_view fileName, std::string_view bytes) = 0;
  // Creates the file when missing and appends the bytes.
  virtual bool Append(std::string_view fileName, std::string_view bytes) = 0;
};

}  // namespace gpsclock
