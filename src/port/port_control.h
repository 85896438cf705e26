// The serial port control: the three places that open the port, the one that closes it, and the
// port-state display (the Disconnect caption, Label2 and Shape1).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "config/shared_settings.h"
#include "elements/window_elements.h"
#include "platform/serial_layer.h"

namespace gpsclock {

inline constexpr std::string_view kPortClosedCaption = "串口已断开";
inline constexpr std::string_view kPortOpenCaption = "串口已开启";
inline constexpr std::string_view kConnectCaption = "串口连接";
inline constexpr std::string_view kDisconnectCaption = "断开串口";

// The elements that show the port's state.
struct PortDisplay {
  Indicator& Shape1;
  MenuItem& Disconnect;
  Label& Label2;
};

class PortControl {
 public:
  // `dropWaitingFrame` is called whenever the line a waiting frame came from is left: its mark
  // can no longer come.
  PortControl(SerialLayer& serial, const SharedSettings& settings, PortDisplay display,
              std::function<void()> dropWaitingFrame)
      : serial_(serial),
        settings_(settings),
        display_(display),
        dropWaitingFrame_(std::move(dropWaitingFrame)) {}

  // Start-up: opens the configured port; without a configured port it stays closed.
  void StartUp(bool portConfigured);
  // The Disconnect command: opens a closed port or closes an open one.
  void Toggle();
  // The settings dialog's OK: reopens an open port with the new number and speed.
  void ReopenForDialog();
  // The serial layer lost the port (the device went away) and has closed it.
  void ShowPortLost();

  bool PortClosed() const { return portClosed_; }
  // One character's time on the line in whole milliseconds, from the speed of the last open.
  std::int16_t BaudDelayMs() const { return baudDelayMs_; }
  const std::string& PortSettings() const { return portSettings_; }

 private:
  void Open();
  void Close();
  void ShowClosedState();

  SerialLayer& serial_;
  const SharedSettings& settings_;
  PortDisplay display_;
  std::function<void()> dropWaitingFrame_;
  std::string portSettings_;
  bool portClosed_ = false;
  std::int16_t baudDelayMs_ = 0;
};

}  // namespace gpsclock
