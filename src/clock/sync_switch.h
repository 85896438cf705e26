// The synchronisation switch: the StopTime command, with the StopTime caption, Label7 and Shape3
// following SyncEnabled.
#pragma once

#include <string_view>

#include "elements/window_elements.h"

namespace gpsclock {

inline constexpr std::string_view kSyncStatusCaption = "对时状态";
inline constexpr std::string_view kSyncStoppedCaption = "停止对时";
inline constexpr std::string_view kForbidSyncCaption = "禁止对时";
inline constexpr std::string_view kAllowSyncCaption = "允许对时";

// The elements that show whether the clock is being set.
struct SyncDisplay {
  MenuItem& StopTime;
  Label& Label7;
  Indicator& Shape3;
};

class SyncSwitch {
 public:
  explicit SyncSwitch(SyncDisplay display) : display_(display) {}

  // Start-up switches synchronisation on; the display already shows it on.
  void SwitchOn() { syncEnabled_ = true; }
  void Toggle();
  bool SyncEnabled() const { return syncEnabled_; }

 private:
  SyncDisplay display_;
  bool syncEnabled_ = false;
};

}  // namespace gpsclock
