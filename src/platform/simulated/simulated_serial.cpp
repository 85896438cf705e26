// The simulated port follows the real layer's rules for settings and port numbers.
#include "platform/simulated/simulated_serial.h"

namespace gpsclock {

bool SimulatedSerial::SetSettings(const std::string& settings) {
  calls_.push_back("Settings " + settings);
  const auto parsed = ParseLineSettings(settings);
  if (!parsed) return false;
  settings_ = *parsed;
  settingsText_ = settings;
  return true;
}

bool SimulatedSerial::SetCommPort(std::int16_t portNumber) {
  calls_.push_back("CommPort " + std::to_string(portNumber));
  if (portNumber < 1) return false;
  portNumber_ = portNumber;
  return true;
}

bool SimulatedSerial::SetInputMode(int mode) {
  calls_.push_back("InputMode " + std::to_string(mode));
  return mode == 0;
}

bool SimulatedSerial::Open() {
  calls_.push_back("Open");
  if (open_ || openFails_) return false;
  open_ = true;
  return true;
}

void SimulatedSerial::Close() {
  calls_.push_back("Close");
  open_ = false;
}

std::string SimulatedSerial::Input() {
  return std::string(1, current_);
}

void SimulatedSerial::Receive(std::string_view bytes) {
  // Read once before any byte is handled: a handler may set the PC clock.
  arrival_.realtimeNs = realtime_();
  arrival_.monotonicNs = time_.Now();
  for (std::size_t index = 0; index < bytes.size(); ++index) {
    if (!open_) return;
    current_ = bytes[index];
    arrival_.bytesBehind = static_cast<std::int32_t>(bytes.size() - 1 - index);
    if (handler_) handler_(CommEvent::kReceive);
  }
}

void SimulatedSerial::LosePort() {
  if (!open_) return;
  open_ = false;
  if (handler_) handler_(CommEvent::kPortLost);
}

std::string SimulatedSerial::OpenedAs() const {
  return "COM" + std::to_string(portNumber_) + " at " + settingsText_;
}

}  // namespace gpsclock
