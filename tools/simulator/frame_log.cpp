// Every line is flushed, so that a test may read the log while the simulator runs.
#include "frame_log.h"

#include <cinttypes>

namespace gpsclock::simulator {

FrameLog::FrameLog(const std::string& path) : path_(path) {
  if (!path_.empty()) file_ = std::fopen(path_.c_str(), "w");
}

FrameLog::~FrameLog() {
  if (file_ != nullptr) std::fclose(file_);
}

void FrameLog::Record(std::int64_t frameNumber, std::int64_t epochSeconds, char status,
                      std::int64_t startByteMonotonicNs, const std::string& faults) {
  if (file_ == nullptr) return;
  std::fprintf(file_, "%" PRId64 " %" PRId64 " %c %" PRId64 " %s\n", frameNumber, epochSeconds,
               status, startByteMonotonicNs, faults.empty() ? "-" : faults.c_str());
  std::fflush(file_);
}

}  // namespace gpsclock::simulator
