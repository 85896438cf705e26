// The serial layer over Qt SerialPort. Port n is the device the link <program directory>/COMn
// leads to when the user made one, else /dev/ttyS(n-1).
#pragma once

#include <QSerialPort>
#include <cstdint>
#include <string>

#include "platform/line_settings.h"
#include "platform/serial_layer.h"

namespace gpsclock {

class QtSerialLayer : public SerialLayer {
 public:
  explicit QtSerialLayer(std::string programDirectory);
  ~QtSerialLayer() override;

  bool SetSettings(const std::string& settings) override;
  bool SetCommPort(std::int16_t portNumber) override;
  bool SetInputMode(int mode) override;
  bool Open() override;
  void Close() override;
  bool IsOpen() const override { return open_; }
  std::string Input() override;
  ByteArrival InputArrival() const override { return arrival_; }
  void SetCommHandler(CommHandler handler) override { handler_ = std::move(handler); }

  // Whether the driver agreed at the last Open to pass bytes on at once; a pty never does.
  bool LowLatency() const { return lowLatency_; }

 private:
  void DeliverReceived();
  void HandleError(QSerialPort::SerialPortError error);

  std::string programDirectory_;
  LineSettings settings_;
  std::int16_t portNumber_ = 1;
  // Kept apart from the QSerialPort's own state, which still says open while it closes and
  // reports the errors of closing.
  bool open_ = false;
  // Counts the closes, so a delivery loop notices the handler closed (and maybe reopened) the port.
  std::uint64_t closes_ = 0;
  bool lowLatency_ = false;
  char current_ = 0;
  ByteArrival arrival_;
  CommHandler handler_;
  QSerialPort port_;
};

}  // namespace gpsclock
