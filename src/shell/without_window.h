// A program started without a window (the service, or QT_QPA_PLATFORM=offscreen): nobody can
// use its menus.
#pragma once

namespace gpsclock {

// On a platform plugin that draws nowhere a user could see.
bool RunsWithoutWindow();

}  // namespace gpsclock
