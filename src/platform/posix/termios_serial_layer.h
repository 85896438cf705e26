// The serial layer over a terminal device, read in a thread of its own. Port n is the device the
// link <program directory>/COMn leads to when the user made one, else /dev/ttyS(n-1).
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>

#include "platform/line_settings.h"
#include "platform/received_byte_delivery.h"
#include "platform/serial_layer.h"
#include "platform/ui_thread_post.h"

namespace gpsclock {

// Every member runs on the user-interface thread, and so does the handler; `post` brings the
// reader thread's bytes there.
class TermiosSerialLayer : public SerialLayer {
 public:
  TermiosSerialLayer(std::string programDirectory, PostToUiThread post);
  ~TermiosSerialLayer() override;
  TermiosSerialLayer(const TermiosSerialLayer&) = delete;
  TermiosSerialLayer& operator=(const TermiosSerialLayer&) = delete;

  // A speed without a termios constant (14400) is rejected here, like a text without a speed.
  bool SetSettings(const std::string& settings) override;
  bool SetCommPort(std::int16_t portNumber) override;
  bool SetInputMode(int mode) override;
  // Also false when another program, or another copy of this one, holds the device.
  bool Open() override;
  void Close() override;
  bool IsOpen() const override { return port_ >= 0; }
  std::string Input() override { return delivery_.Input(); }
  ByteArrival InputArrival() const override { return delivery_.InputArrival(); }
  void SetCommHandler(CommHandler handler) override {
    delivery_.SetCommHandler(std::move(handler));
  }

  // Whether the driver agreed at the last Open to pass bytes on at once; a pty never does.
  bool LowLatency() const { return lowLatency_; }

 private:
  std::string programDirectory_;
  LineSettings settings_;
  std::int16_t portNumber_ = 1;
  bool lowLatency_ = false;
  ReceivedByteDelivery delivery_;
  // Of the open port: the device, what ends its reader thread, the thread.
  int port_ = -1;
  std::atomic<bool> closing_ = false;
  std::thread reader_;
};

}  // namespace gpsclock
