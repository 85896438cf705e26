// A pty pair standing in for a serial device: the test writes to the master as the device would
// send, and the serial layer opens the slave.
#pragma once

#include <string>
#include <string_view>

namespace gpsclock {

class PseudoTerminal {
 public:
  PseudoTerminal();
  ~PseudoTerminal();
  PseudoTerminal(const PseudoTerminal&) = delete;
  PseudoTerminal& operator=(const PseudoTerminal&) = delete;

  const std::string& SlavePath() const { return slavePath_; }
  // The test's own descriptor of the slave, to read back its line settings.
  int Slave() const { return slave_; }
  // Whether every byte went to the device side.
  bool Send(std::string_view bytes);
  // The device goes away: the slave side hangs up.
  void CloseMaster();

 private:
  int master_ = -1;
  int slave_ = -1;
  std::string slavePath_;
};

}  // namespace gpsclock
