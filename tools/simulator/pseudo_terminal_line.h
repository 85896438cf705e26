// A pseudo-terminal standing in for the device's serial port: a program opens the slave side,
// directly or through a link such as <program folder>/COM1, and the simulator writes to the master.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "serial_line.h"

namespace gpsclock::simulator {

class PseudoTerminalLine : public SerialLine {
 public:
  // Nothing when no pseudo-terminal or no link could be made; `error` then says why.
  static std::unique_ptr<PseudoTerminalLine> Open(int baud, const std::optional<std::string>& link,
                                                  std::string& error);
  ~PseudoTerminalLine() override;

  const std::string& SlavePath() const { return slavePath_; }
  // Tells the user on standard error when a program opens or closes the port.
  bool ReaderPresent() override;
  bool Send(std::string_view bytes) override;

 private:
  void ClearExclusiveFlag() const;

  PseudoTerminalLine(int master, std::string slavePath)
      : master_(master), slavePath_(std::move(slavePath)) {}
  int master_;
  std::string slavePath_;
  bool readerPresent_ = false;
};

}  // namespace gpsclock::simulator
