// A real serial device, for checking a cable and a port without the GPS clock device.
#pragma once

#include <memory>
#include <string>

#include "serial_line.h"

namespace gpsclock::simulator {

class DeviceLine : public SerialLine {
 public:
  // Nothing when the device cannot be opened or set to the speed; `error` then says why.
  static std::unique_ptr<DeviceLine> Open(const std::string& path, int baud, std::string& error);
  ~DeviceLine() override;

  bool ReaderPresent() override { return true; }
  bool Send(std::string_view bytes) override;

 private:
  explicit DeviceLine(int descriptor) : descriptor_(descriptor) {}
  int descriptor_;
};

}  // namespace gpsclock::simulator
