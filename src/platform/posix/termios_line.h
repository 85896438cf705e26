// The serial control's line settings as a terminal takes them: raw bytes, no flow control, and a
// read that returns as soon as one byte is there.
#pragma once

#include <termios.h>

#include <optional>

#include "platform/line_settings.h"

namespace gpsclock {

// The termios constant of a speed; nothing for a speed termios has none for (14400).
std::optional<speed_t> TermiosSpeed(int baud);

// False when the speed has no termios constant or the terminal refuses the settings.
bool ApplyLineSettings(int descriptor, const LineSettings& settings);

}  // namespace gpsclock
