// The main window's tray operations; they keep the window's tray-icon record in step with the icon.
#pragma once

#include <string_view>

#include <string>

#include "platform/notification_icon.h"

namespace gpsclock {

// The tray icon as the window last set it.
struct TrayIcon {
  bool Shown = false;
  std::string Tip;
};

inline constexpr std::string_view kTrayTip = "Zelvaro电子Tavrin6.0";

// Shows the icon; false when the desktop has no notification area, and then nothing changed.
bool AddToTray(NotificationIcon& icon, TrayIcon& record);
void SetTrayTip(NotificationIcon& icon, TrayIcon& record, std::string_view tip);
// Takes the icon away; harmless when none is shown. The tip stays recorded for the next hide.
void RemoveFromTray(NotificationIcon& icon, TrayIcon& record);

}  // namespace gpsclock
