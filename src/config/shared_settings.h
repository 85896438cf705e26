// The configuration's fields as the whole program shares them: the start-up reader and the
// settings dialog fill them from config.cfg, the port control and the correction read them.
#pragma once

#include <cstdint>
#include <string>

namespace gpsclock {

struct SharedSettings {
  std::int16_t PortNumber = 0;
  std::int16_t BaudCode = 0;
  bool SyncWhenUnlocked = false;
  std::string ErrorDaysText;
  // The dialog's error days. The correction stores its 10-second limit here at every mark that
  // passes the date test, and a later OK with no valid choice writes that 10: intended.
  std::int16_t ErrorDays = 0;
};

}  // namespace gpsclock
