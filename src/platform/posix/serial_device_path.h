// Where the device behind port number n (COM n) lives on this machine.
#pragma once

#include <optional>
#include <string>

namespace gpsclock {

// The link <programDirectory>/COMn when the user made one (a link leading nowhere does not open),
// else /dev/ttyS(n-1). Nothing when the program directory cannot be looked into.
std::optional<std::string> SerialDevicePath(const std::string& programDirectory, int portNumber);

}  // namespace gpsclock
