// One line per frame sent, for the tests and the latency benchmark: the frame's number, its time
// in seconds since the epoch, its status letter, the CLOCK_MONOTONIC nanoseconds just before the
// start byte's write(), and its faults ("-" when none).
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace gpsclock::simulator {

class FrameLog {
 public:
  // A log that records nothing when `path` is empty; Ok() is false when the file cannot be made.
  explicit FrameLog(const std::string& path);
  ~FrameLog();
  FrameLog(const FrameLog&) = delete;
  FrameLog& operator=(const FrameLog&) = delete;

  bool Ok() const { return path_.empty() || file_ != nullptr; }
  void Record(std::int64_t frameNumber, std::int64_t epochSeconds, char status,
              std::int64_t startByteMonotonicNs, const std::string& faults);

 private:
  std::string path_;
  std::FILE* file_ = nullptr;
};

}  // namespace gpsclock::simulator
