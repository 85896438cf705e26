// The synchronisation switch.
#include "clock/sync_switch.h"

namespace gpsclock {

void SyncSwitch::Toggle() {
  const bool wasOn = syncEnabled_;
  display_.StopTime.SetCaption(std::string(wasOn ? kAllowSyncCaption : kForbidSyncCaption));
  display_.Label7.SetCaption(std::string(wasOn ? kSyncStoppedCaption : kSyncStatusCaption));
  syncEnabled_ = !wasOn;
  display_.Shape3.SetFill(wasOn ? kDarkGreen : kBrightGreen);
}

}  // namespace gpsclock
