// A simulated serial port: the test hands it bytes as the device would send them, and it records
// what the port control asked of it. Opening can be made to fail, and the port can be lost.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/line_settings.h"
#include "platform/serial_layer.h"
#include "platform/simulated/virtual_time.h"

namespace gpsclock {

class SimulatedSerial : public SerialLayer {
 public:
  // The arrival stamps read `time` for the monotonic clock and `realtime` for the PC clock.
  SimulatedSerial(VirtualTime& time, std::function<std::int64_t()> realtime)
      : time_(time), realtime_(std::move(realtime)) {}

  // Every call the port control made, in order, such as "Settings 9600,n,8,1", "CommPort 1",
  // "InputMode 0", "Open", "Close".
  const std::vector<std::string>& Calls() const { return calls_; }
  void ClearCalls() { calls_.clear(); }

  bool SetSettings(const std::string& settings) override;
  bool SetCommPort(std::int16_t portNumber) override;
  bool SetInputMode(int mode) override;
  bool Open() override;
  void Close() override;
  bool IsOpen() const override { return open_; }
  std::string Input() override;
  ByteArrival InputArrival() const override { return arrival_; }
  void SetCommHandler(CommHandler handler) override { handler_ = std::move(handler); }

  // Opens fail while set (port missing or in use).
  void SetOpenFails(bool fail) { openFails_ = fail; }
  // Delivers bytes as one read, one notification each; nothing arrives while the port is closed.
  // Every byte is stamped with the moment of the call and counts the bytes after it in the call
  // as behind it, so a stall is one call with the backlog.
  void Receive(std::string_view bytes);
  // The device went away: the port closes and the loss is reported once.
  void LosePort();

  const LineSettings& Settings() const { return settings_; }
  std::int16_t PortNumber() const { return portNumber_; }
  std::string OpenedAs() const;  // "COMn at speed,n,8,1" of the open port

 private:
  VirtualTime& time_;
  std::function<std::int64_t()> realtime_;
  std::vector<std::string> calls_;
  LineSettings settings_;
  std::string settingsText_ = "9600,n,8,1";
  std::int16_t portNumber_ = 1;
  bool open_ = false;
  bool openFails_ = false;
  char current_ = 0;
  ByteArrival arrival_;
  CommHandler handler_;
};

}  // namespace gpsclock
