// Every element of the main window that the core drives, with its design-time state. The
// coordinator owns it; each part of the core writes only the elements it is given.
#pragma once

#include "clock/sync_switch.h"
#include "elements/window_elements.h"
#include "port/port_control.h"
#include "receiver/lock_log.h"

namespace gpsclock {

struct MainWindowModel {
  Label Label2{std::string(kPortClosedCaption)};
  Label Label6{std::string(kNotLockedCaption)};
  Label Label7{std::string(kSyncStatusCaption)};
  Label Label9{""};
  ClockLabel LSDISD{kBlack, kBrightGreen};
  ClockLabel LSDIS{kBlack, kBrightGreen};
  ClockLabel LDISD{kBlack, kBrightGreen};
  ClockLabel LDIS{kBlack, kDarkGreen};
  Indicator Shape1{kDarkGreen};
  Indicator Shape2{kDarkGreen};
  Indicator Shape3{kBrightGreen};
  LogView text1{"跟踪记录"};
  MenuItem Disconnect{std::string(kConnectCaption)};
  MenuItem StopTime{std::string(kForbidSyncCaption)};
};

}  // namespace gpsclock
