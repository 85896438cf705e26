// Noise on the serial line: a pseudo-terminal of the tests' own between the simulated device and
// the program. While the line is noisy it drops the device's bytes and sends stray bytes without
// a start byte in their place, at the line's speed; once quiet it passes the device's bytes on.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <thread>

#include "harness/program_folder.h"

namespace gpsclock::e2e {

class NoisyLine {
 public:
  // Takes the device's side from the COM1 link, which then leads to the line's own
  // pseudo-terminal. The line is noisy from the start.
  NoisyLine(const ProgramFolder& folder, int baud);
  ~NoisyLine();
  NoisyLine(const NoisyLine&) = delete;
  NoisyLine& operator=(const NoisyLine&) = delete;

  bool Ready() const { return thread_.joinable(); }
  // Whether the program has opened the port within `timeout`.
  bool WaitForReader(std::chrono::milliseconds timeout) const;
  // From now on the device's bytes pass; returns when that began, in CLOCK_MONOTONIC nanoseconds.
  std::int64_t Quieten();
  // The stray bytes the program has been sent.
  std::int64_t NoiseBytesSent() const { return noiseBytesSent_; }

 private:
  bool ReaderPresent() const;
  void Carry();

  std::int64_t byteNs_;
  int deviceSide_ = -1;   // the simulator's pseudo-terminal, read
  int programSide_ = -1;  // the line's own, written
  std::atomic<bool> noisy_{true};
  std::atomic<bool> stopping_{false};
  std::atomic<std::int64_t> noiseBytesSent_{0};
  std::thread thread_;
};

}  // namespace gpsclock::e2e
