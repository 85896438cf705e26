// The synchronisation switch: the StopTime caption, Label7 and Shape3 follow SyncEnabled.
#include "clock/sync_switch.h"

#include "receiver/program.h"

namespace gpsclock {

void ToggleSync(Program& program) {
  MainWindowModel& window = program.window;
  const bool wasOn = program.settings.SyncEnabled;
  window.StopTime.SetCaption(std::string(wasOn ? kAllowSyncCaption : kForbidSyncCaption));
  window.Label7.SetCaption(std::string(wasOn ? kSyncStoppedCaption : kSyncStatusCaption));
  program.settings.SyncEnabled = !wasOn;
  window.Shape3.SetFill(wasOn ? kDarkGreen : kBrightGreen);
  program.platform.Timer1.Enable();
}

}  // namespace gpsclock
