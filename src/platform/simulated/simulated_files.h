// The program directory in memory: files as bytes, each of which can be made unwritable. An
// unwritable file takes no byte of an append.
#pragma once

#include <map>
#include <set>
#include <string>

#include "platform/program_files.h"

namespace gpsclock {

class SimulatedFiles : public ProgramFiles {
 public:
  std::optional<std::string> Read(std::string_view fileName) override;
  bool Replace(std::string_view fileName, std::string_view bytes) override;
  bool Append(std::string_view fileName, std::string_view bytes) override;

  // The file's bytes, or nothing when it does not exist.
  std::optional<std::string> Contents(const std::string& fileName) const;
  void Put(const std::string& fileName, std::string bytes) { files_[fileName] = std::move(bytes); }
  void Remove(const std::string& fileName) { files_.erase(fileName); }
  void SetWritable(const std::string& fileName, bool writable);
  std::size_t Writes() const { return writes_; }

 private:
  bool Writable(std::string_view fileName) const;

  std::map<std::string, std::string, std::less<>> files_;
  std::set<std::string, std::less<>> unwritable_;
  std::size_t writes_ = 0;
};

}  // namespace gpsclock
