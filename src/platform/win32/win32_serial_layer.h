// The serial layer over a Windows COM port, read in a thread of its own. Port n is \\.\COMn.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <thread>

#include "platform/line_settings.h"
#include "platform/received_byte_delivery.h"
#include "platform/serial_layer.h"
#include "platform/ui_thread_post.h"

namespace gpsclock {

// Every member runs on the user-interface thread, and so does the handler; `post` (a
// UiThreadTasks' Poster(), which must outlive the layer) brings the reader thread's bytes there.
class Win32SerialLayer : public SerialLayer {
 public:
  explicit Win32SerialLayer(PostToUiThread post);
  ~Win32SerialLayer() override;
  Win32SerialLayer(const Win32SerialLayer&) = delete;
  Win32SerialLayer& operator=(const Win32SerialLayer&) = delete;

  // While open, also false when the driver refuses the settings; they then stay as they were.
  bool SetSettings(const std::string& settings) override;
  bool SetCommPort(std::int16_t portNumber) override;
  bool SetInputMode(int mode) override;
  // Also false when another program holds the port: Windows gives a port to one opener at a time.
  bool Open() override;
  void Close() override;
  bool IsOpen() const override { return port_ != nullptr; }
  std::string Input() override { return delivery_.Input(); }
  ByteArrival InputArrival() const override { return delivery_.InputArrival(); }
  void SetCommHandler(CommHandler handler) override {
    delivery_.SetCommHandler(std::move(handler));
  }

 private:
  LineSettings settings_;
  std::int16_t portNumber_ = 1;
  ReceivedByteDelivery delivery_;
  // Of the open port: the port, the event that ends its reader thread, the thread.
  HANDLE port_ = nullptr;
  HANDLE stop_ = nullptr;
  std::thread reader_;
};

}  // namespace gpsclock
