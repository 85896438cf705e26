// Where the frames go: a pseudo-terminal that a program opens, or a serial device.
#pragma once

#include <string_view>

namespace gpsclock::simulator {

class SerialLine {
 public:
  virtual ~SerialLine() = default;
  // Whether a program has the line open; what goes out while none has is lost, as on a real
  // line. A serial device cannot tell, so it always says yes.
  virtual bool ReaderPresent() = 0;
  // Writes the bytes at once, as a USB adapter hands over what it held.
  virtual bool Send(std::string_view bytes) = 0;
};

}  // namespace gpsclock::simulator
