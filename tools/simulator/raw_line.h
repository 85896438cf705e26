// Puts a terminal into the device's line settings: raw bytes, 8 data bits, no parity, 1 stop bit.
#pragma once

namespace gpsclock::simulator {

// False when the descriptor is no terminal or the speed is not one of the device's.
bool SetRawLine(int descriptor, int baud);

}  // namespace gpsclock::simulator
