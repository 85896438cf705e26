// The invariants that hold after every event of a program on the simulated platform, whatever bytes
// arrive and whatever the user does; the receiver fuzzer and the soak check them alike.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "support/simulated_platform.h"

namespace gpsclock {

class ProgramInvariants {
 public:
  // Receives the description of every invariant found broken.
  using ViolationHandler = std::function<void(const std::string&)>;

  ProgramInvariants(SimulatedProgram& sim, ViolationHandler onViolation);

  // Checks the program as the event that just ran left it; the program's afterEvent calls it.
  void CheckAfterEvent();
  // Clears the PC clock's records of sets already checked, so a long run keeps its memory flat.
  void ForgetCheckedSets();

  std::uint64_t EventsChecked() const { return eventsChecked_; }
  std::uint64_t InvariantsChecked() const { return invariantsChecked_; }
  // Start bytes that found a frame waiting with synchronisation on.
  std::uint64_t MarksSeen() const { return marksSeen_; }
  std::uint64_t LockLinesShown() const { return lockLinesShown_; }

 private:
  // Counts one invariant and reports it when it does not hold, with the set it concerns if any.
  void Expect(bool holds, const char* invariant, const SimulatedClock::SetCall* set = nullptr);
  bool AtStartByte() const;
  void CheckReceiveBuffer();
  void CheckReceivedTime(bool decoded);
  void CheckClockSet(const SimulatedClock::SetCall& set);
  void CheckClockSets(bool decoded);
  void CheckLogView(bool endCheckPassed);
  void CheckTrackingLog();
  void CheckDisplays();
  std::string Context() const;

  SimulatedProgram& sim_;
  ViolationHandler onViolation_;
  // What the previous event left, to tell what this one changed.
  std::int16_t rxCount_ = 0;
  bool frameArmed_ = false;
  bool frameReady_ = false;
  GpsTime receivedTime_;
  bool lastDecodeLocked_ = false;
  bool decodedOnce_ = false;
  bool prevLocked_ = false;
  // The PC clock as the last on-time mark found it: the correction's rules judge that reading.
  LocalTimeRecord readingAtMark_;
  std::uint64_t appendedLines_ = 0;
  std::size_t checkedSets_ = 0;
  std::size_t fileWrites_ = 0;
  std::string trackingLog_;
  std::string newLockLines_;  // the GBK bytes the tracking log may have gained in this event
  std::uint64_t eventsChecked_ = 0;
  std::uint64_t invariantsChecked_ = 0;
  std::uint64_t marksSeen_ = 0;
  std::uint64_t lockLinesShown_ = 0;
};

}  // namespace gpsclock
