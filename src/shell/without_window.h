// A program started without a window (the service, or QT_QPA_PLATFORM=offscreen): nobody can
// use its menus, so nobody can open a port that start-up did not.
#pragma once

#include <optional>

#include "port/port_control.h"

namespace gpsclock {

inline constexpr char kNoPortWithoutWindowText[] =
    "config.cfg 中没有可打开的串口(例如 4,1,0,5：9600 波特，串口 1)，"
    "无窗口运行时无人能打开串口，程序结束。";

// On a platform plugin that draws nowhere a user could see.
bool RunsWithoutWindow();
// After start-up: a program without a window whose port is neither open nor tried again ends. It
// says so in one line on standard error, and the exit status is EX_CONFIG, which the service
// does not restart. Nothing when the program goes on.
std::optional<int> EndWithoutPort(const PortControl& port);

}  // namespace gpsclock
