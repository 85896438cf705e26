// The serial control's line settings as a COM port takes them: bytes as they come, no flow
// control, and reads that wait for their bytes however long it takes.
#pragma once

#include <windows.h>

#include "platform/line_settings.h"

namespace gpsclock {

// False when the driver refuses the settings (5 data bits with 2 stop bits, a speed it lacks).
bool ApplyLineSettings(HANDLE port, const LineSettings& settings);

// No read timeouts, so that a read ends only with the bytes it asked for (or failing), and an
// input emptied of what waited before.
bool ReadFromNowOn(HANDLE port);

}  // namespace gpsclock
