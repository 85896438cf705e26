// ProgramFiles over a directory on disk; file names are UTF-8, as Linux takes them.
#pragma once

#include <string>

#include "platform/program_files.h"

namespace gpsclock {

class DirectoryFiles : public ProgramFiles {
 public:
  explicit DirectoryFiles(std::string directory) : directory_(std::move(directory)) {}

  std::optional<std::string> Read(std::string_view fileName) override;
  bool Replace(std::string_view fileName, std::string_view bytes) override;
  bool Append(std::string_view fileName, std::string_view bytes) override;

 private:
  std::string PathOf(std::string_view fileName) const;

  std::string directory_;
};

}  // namespace gpsclock
