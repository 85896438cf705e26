// The globe as Windows icons, made at run time from its XPM text: the windows' icon, the tray
// icon and the About box's picture.
#pragma once

#include <windows.h>

namespace gpsclock {

struct ProgramIcons {
  HICON large = nullptr;  // 32x32, its corners black
  HICON small = nullptr;  // 16x16, its corners transparent
};

// Made once for the process; an image Windows refuses stays null, and a window then shows none.
const ProgramIcons& Globe();

}  // namespace gpsclock
