// Where the device behind port number n (COM n) lives on this machine.
#pragma once

#include <optional>
#include <string>

namespace gpsclock {

// The device the link <programDirectory>/COMn leads to when the user made one, else
// /dev/ttyS(n-1). Nothing when the link exists but leads nowhere.
std::optional<std::string> SerialDevicePath(const std::string& programDirectory, int portNumber);

}  // namespace gpsclock
