// The icon's tip is set after the icon is added, as its own step.
#include "shell/tray_operations.h"

#include <string>

namespace gpsclock {

bool AddToTray(NotificationIcon& icon, TrayIcon& record) {
  if (!icon.Add()) return false;
  record.Shown = true;
  return true;
}

void SetTrayTip(NotificationIcon& icon, TrayIcon& record, std::string_view tip) {
  record.Tip = std::string(tip);
  icon.SetTip(record.Tip);
}

void RemoveFromTray(NotificationIcon& icon, TrayIcon& record) {
  icon.Remove();
  record.Shown = false;
}

}  // namespace gpsclock
