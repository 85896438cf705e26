// Port control. A port that fails to open, or goes away, is shown closed: the display never
// claims an open port that delivers nothing. While the user wants it open it is tried again, so a
// device that comes late (udev at boot, an adapter plugged in after the start) is taken up.
#include "port/port_control.h"

#include "config/settings_dialog_model.h"
#include "platform/time_units.h"

namespace gpsclock {
namespace {

constexpr int kRetryPeriodMs = 2000;
constexpr std::int64_t kBitsPerCharacter = 10;

}  // namespace

void PortControl::StartUp(bool portConfigured) {
  if (portConfigured) {
    OpenOrRetry();
  } else {
    portClosed_ = true;
  }
}

void PortControl::Toggle() {
  StopRetrying();
  if (portClosed_) {
    OpenOrRetry();
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
  const auto baud = ConfiguredSpeed();
  if (!baud) {
    ShowClosedState();
    return;
  }
  bitsPerSecond_ = baud->bitsPerSecond;
  serial_.SetSettings(std::string(baud->speedText) + std::string(kLineSettingsSuffix));
  serial_.SetCommPort(settings_.PortNumber);
  if (!serial_.Open()) {
    ShowClosedState();
    StartRetrying();
  }
}

void PortControl::ShowPortLost() {
  ShowClosedState();
  StartRetrying();
}

// The device may come back under the same name (a USB adapter plugged in again), or appear for
// the first time.
void PortControl::RetryOpen() {
  if (!retrying_) {
    retryTimer_.Disable();
    return;
  }
  OpenOrRetry();
}

void PortControl::StartRetrying() {
  retrying_ = true;
  retryTimer_.SetInterval(kRetryPeriodMs);
  retryTimer_.Enable();
}

void PortControl::StopRetrying() {
  retrying_ = false;
  retryTimer_.Disable();
}

std::int64_t PortControl::CharacterNs() const {
  return kBitsPerCharacter * kNanosecondsPerSecond / bitsPerSecond_;
}

// Ports 1..8 as the settings dialog lists them, at a speed of the baud table. Any other value
// names no port: opening the layer's previous port or speed instead would show open a port that
// is not the one configured, or one without its line delay.
std::optional<BaudEntry> PortControl::ConfiguredSpeed() const {
  if (settings_.PortNumber < 1 || settings_.PortNumber > kPortEntries) return {};
  return LookUpBaudCode(settings_.BaudCode);
}

void PortControl::OpenOrRetry() {
  if (!Open() && ConfiguredSpeed()) {
    StartRetrying();
  } else {
    StopRetrying();
  }
}

// The open path of start-up, of the toggle and of the retry.
bool PortControl::Open() {
  const auto baud = ConfiguredSpeed();
  if (!baud) {
    ShowClosedState();
    return false;
  }
  display_.Disconnect.SetCaption(std::string(kDisconnectCaption));
  portSettings_ = baud->speedText;
  baudDelayMs_ = baud->delayMs;
  bitsPerSecond_ = baud->bitsPerSecond;
  display_.Shape1.SetFill(kBrightGreen);
  portSettings_ += kLineSettingsSuffix;
  serial_.SetSettings(portSettings_);
  serial_.SetCommPort(settings_.PortNumber);
  serial_.SetInputMode(0);
  portClosed_ = false;
  if (!serial_.Open()) {
    ShowClosedState();
    return false;
  }
  display_.Label2.SetCaption(std::string(kPortOpenCaption));
  return true;
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
