// The program's windows on the desktop as Qt widgets. Make it after SetUpApplication.
#pragma once

#include "shell/desktop_windows.h"
#include "shell/main_window.h"
#include "shell/settings_window.h"

namespace gpsclock {

using DesktopShell = DesktopWindows<MainWindow, SettingsWindow>;

}  // namespace gpsclock
