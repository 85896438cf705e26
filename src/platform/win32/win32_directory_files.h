// ProgramFiles over a folder on disk; the core's UTF-8 file names become UTF-16 for the W calls.
#pragma once

#include <string>

#include "platform/program_files.h"

namespace gpsclock {

class Win32DirectoryFiles : public ProgramFiles {
 public:
  // `directory` in UTF-8, without a separator at its end.
  explicit Win32DirectoryFiles(std::string directory) : directory_(std::move(directory)) {}

  std::optional<std::string> Read(std::string_view fileName) override;
  bool Replace(std::string_view fileName, std::string_view bytes) override;
  bool Append(std::string_view fileName, std::string_view bytes) override;

 private:
  std::optional<std::wstring> PathOf(std::string_view fileName) const;

  std::string directory_;
};

}  // namespace gpsclock
