// Port control. A port that fails to open, or goes away, is shown closed: the display never
// claims an open port that delivers nothing.
#include "port/port_control.h"

#include "platform/time_units.h"
#include "port/baud_table.h"

namespace gpsclock {
namespace {

constexpr int kRetryPeriodMs = 2000;
constexpr std::int64_t kBitsPerCharacter = 10;

}  // namespace

void PortControl::StartUp(bool portConfigured) {
  if (portConfigured) {
    Open();
  } else {
    portClosed_ = true;
  }
}

void PortControl::Toggle() {
  StopRetrying();
  if (portClosed_) {
    Open();
  } else {
    Close();
  }
}

void PortControl::ReopenForDialog() {
  if (!serial_.IsOpen()) return;
  serial_.Close();
  // The new port may lead to no device: a frame received on the old one must not make the first
  // start byte that comes after it, maybe minutes later, a mark.
  dropWaitingFrame_();
  const auto baud = LookUpBaudCode(settings_.BaudCode);
  std::string settingsText(baud ? baud->speedText : std::string_view());
  settingsText += kLineSettingsSuffix;
  if (baud) bitsPerSecond_ = baud->bitsPerSecond;
  serial_.SetSettings(settingsText);
  serial_.SetCommPort(settings_.PortNumber);
  if (!serial_.Open()) ShowClosedState();
}

void PortControl::ShowPortLost() {
  ShowClosedState();
  portLost_ = true;
  retryTimer_.SetInterval(kRetryPeriodMs);
  retryTimer_.Enable();
}

// The device may come back under the same name (a USB adapter plugged in again).
void PortControl::RetryLostPort() {
  if (!portLost_) {
    retryTimer_.Disable();
    return;
  }
  Open();
  if (!portClosed_) StopRetrying();
}

void PortControl::StopRetrying() {
  portLost_ = false;
  retryTimer_.Disable();
}

std::int64_t PortControl::CharacterNs() const {
  return kBitsPerCharacter * kNanosecondsPerSecond / bitsPerSecond_;
}

// The open path of start-up and of the toggle. A baud code outside the table leaves the settings
// text without a speed, so the layer rejects it and the port opens at its previous settings.
void PortControl::Open() {
  display_.Disconnect.SetCaption(std::string(kDisconnectCaption));
  const auto baud = LookUpBaudCode(settings_.BaudCode);
  portSettings_ = baud ? baud->speedText : std::string_view();
  if (baud) {
    baudDelayMs_ = baud->delayMs;
    bitsPerSecond_ = baud->bitsPerSecond;
  }
  display_.Shape1.SetFill(kBrightGreen);
  portSettings_ += kLineSettingsSuffix;
  serial_.SetSettings(portSettings_);
  serial_.SetCommPort(settings_.PortNumber);
  serial_.SetInputMode(0);
  portClosed_ = false;
  if (!serial_.Open()) {
    ShowClosedState();
    return;
  }
  display_.Label2.SetCaption(std::string(kPortOpenCaption));
}

// PortClosed may disagree with the port after a failure, so only a port that reports open is
// closed.
void PortControl::Close() {
  if (serial_.IsOpen()) serial_.Close();
  ShowClosedState();
}

void PortControl::ShowClosedState() {
  display_.Shape1.SetFill(kDarkGreen);
  portClosed_ = true;
  display_.Disconnect.SetCaption(std::string(kConnectCaption));
  display_.Label2.SetCaption(std::string(kPortClosedCaption));
  // The first start byte after a later reopen must not find a stale frame waiting.
  dropWaitingFrame_();
}

}  // namespace gpsclock
