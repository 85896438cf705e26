// The serial port control: the three places that open the port, the one that closes it, the
// retrying of a port that cannot be opened, and the port-state display (the Disconnect caption,
// Label2 and Shape1).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "config/shared_settings.h"
#include "elements/window_elements.h"
#include "platform/serial_layer.h"
#include "platform/ui_timer.h"
#include "port/baud_table.h"

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
  // can no longer come. `retryTimer` paces the opening of a port that could not be opened.
  PortControl(SerialLayer& serial, const SharedSettings& settings, PortDisplay display,
              UiTimer& retryTimer, std::function<void()> dropWaitingFrame)
      : serial_(serial),
        settings_(settings),
        display_(display),
        retryTimer_(retryTimer),
        dropWaitingFrame_(std::move(dropWaitingFrame)) {}

  // Start-up: opens the configured port; without a configured port it stays closed.
  void StartUp(bool portConfigured);
  // The Disconnect command: opens a port shown closed (at once, also while it is being retried)
  // or closes an open one.
  void Toggle();
  // The settings dialog's OK: reopens an open port with the new number and speed. A port being
  // retried takes them at its next try.
  void ReopenForDialog();
  // The serial layer lost the port (the device went away) and has closed it.
  void ShowPortLost();
  // Retry timer tick: opens the port again, as the toggle would.
  void RetryOpen();

  bool PortClosed() const { return portClosed_; }
  // One character's time on the line in whole milliseconds, from the speed of the last open.
  std::int16_t BaudDelayMs() const { return baudDelayMs_; }
  const std::string& PortSettings() const { return portSettings_; }
  // One 10-bit character's time on the line at the speed the port was last given, in ns.
  std::int64_t CharacterNs() const;
  // A port that is wanted open but could not be opened (missing, in use or lost) is shown closed
  // and tried again every 2 s, until it opens or the user closes it. A port number outside 1..8
  // or a baud code outside 1..4 is never tried.
  bool Retrying() const { return retrying_; }

 private:
  std::optional<BaudEntry> ConfiguredSpeed() const;
  bool Open();
  void OpenOrRetry();
  void Close();
  void ShowClosedState();
  void StartRetrying();
  void StopRetrying();

  SerialLayer& serial_;
  const SharedSettings& settings_;
  PortDisplay display_;
  UiTimer& retryTimer_;
  std::function<void()> dropWaitingFrame_;
  std::string portSettings_;
  bool portClosed_ = false;
  std::int16_t baudDelayMs_ = 0;
  // The serial layer's own speed until a settings text with a speed reaches it.
  std::int32_t bitsPerSecond_ = 9600;
  bool retrying_ = false;
};

}  // namespace gpsclock
