// gpsclock-sim on a pseudo-terminal linked as the program folder's COM1, with its frame log.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "harness/child_process.h"
#include "harness/program_folder.h"

namespace gpsclock::e2e {

// A line of the simulator's frame log.
struct SentFrame {
  std::int64_t number = 0;
  std::int64_t second = 0;  // the time the frame carries, seconds since the epoch
  char status = 0;
  std::int64_t startByteMonotonicNs = 0;
  std::string faults;  // "-" when none
};

// The frame the device was sending at a CLOCK_MONOTONIC moment: the one whose start byte went out
// last before it, or the first one for a moment before them all. `frames` is not empty.
const SentFrame& FrameSentAt(const std::vector<SentFrame>& frames, std::int64_t monotonicNs);

// The device's clock at a CLOCK_MONOTONIC moment: each start byte goes out on its second, so it
// is the time of the start byte sent last before it and what passed since.
std::int64_t DeviceTimeAt(const std::vector<SentFrame>& frames, std::int64_t monotonicNs);

class SimulatorRun {
 public:
  // Starts the simulator with `options` besides the link and the log, its frames in the local
  // time of `timeZone` (as TZ names it), and waits for the link to be there; the simulator then
  // waits for the program to open the port. `device` counts the devices plugged in one after
  // another as COM1 in the same folder, each with its own files.
  SimulatorRun(const ProgramFolder& folder, const std::vector<std::string>& options, int device = 1,
               const std::string& timeZone = "UTC");

  bool Linked() const { return linked_; }
  // True once the simulator ended by itself (its frames or its duration done) within `timeout`.
  bool WaitForEnd(std::chrono::milliseconds timeout);
  // True once `count` frames have been sent within `timeout`.
  bool WaitForFrames(std::size_t count, std::chrono::milliseconds timeout) const;
  // The port goes away: the simulator stops and closes its side.
  void Stop() { process_->Stop(); }
  // Stops the simulator once `count` frames have been sent within `timeout`, leaving the last one
  // time to be read first: a terminal that hangs up discards what its reader has not read yet.
  // False when the frames did not come.
  bool StopAfterFrames(std::size_t count, std::chrono::milliseconds timeout);
  // The device is pulled out `intoFrame` after the start byte of the frame after the last one
  // sent. Returns how far into that frame the simulator was in fact stopped; nothing when no
  // frame had been sent.
  std::optional<std::chrono::nanoseconds> UnplugDuringNextFrame(std::chrono::nanoseconds intoFrame);
  std::vector<SentFrame> Frames() const;
  // What it told the user on standard error.
  std::string Messages() const;

 private:
  bool LinkLeadsHere() const;
  std::string FileName(const std::string& kind) const;

  const ProgramFolder& folder_;
  int device_;
  std::unique_ptr<ChildProcess> process_;
  bool linked_ = false;
};

}  // namespace gpsclock::e2e
