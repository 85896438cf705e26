// In-memory files with write failures on demand.
#include "platform/simulated/simulated_files.h"

namespace gpsclock {

std::optional<std::string> SimulatedFiles::Read(std::string_view fileName) {
  const auto file = files_.find(fileName);
  if (file == files_.end()) return {};
  return file->second.substr(0, kReadLimitBytes);
}

bool SimulatedFiles::Replace(std::string_view fileName, std::string_view bytes) {
  if (!Writable(fileName)) return false;
  files_[std::string(fileName)] = std::string(bytes);
  ++writes_;
  return true;
}

bool SimulatedFiles::Append(std::string_view fileName, std::string_view bytes) {
  if (!Writable(fileName)) return false;
  files_[std::string(fileName)] += bytes;
  ++writes_;
  return true;
}

std::optional<std::string> SimulatedFiles::Contents(const std::string& fileName) const {
  const auto file = files_.find(fileName);
  if (file == files_.end()) return {};
  return file->second;
}

void SimulatedFiles::SetWritable(const std::string& fileName, bool writable) {
  if (writable) {
    unwritable_.erase(fileName);
  } else {
    unwritable_.insert(fileName);
  }
}

bool SimulatedFiles::Writable(std::string_view fileName) const {
  return unwritable_.find(fileName) == unwritable_.end();
}

}  // namespace gpsclock
