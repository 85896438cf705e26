// The start-up sequence, run once when the main window is created and before it is shown.
#include "clock/clock_displays.h"
#include "config/config_file.h"
#include "config/settings_dialog.h"
#include "port/port_control.h"
#include "receiver/program.h"

namespace gpsclock {

void Program::StartUp() {
  // Touching the settings dialog loads it hidden, so its reader runs before the start-up reader.
  LoadSettingsDialog(*this);
  dialog.SetState(DialogState::kLoadedHidden);
  dialog.SetOption1Enabled(false);

  settings.FirstStatusPending = true;
  state.MonthDays = {29, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31, 0};
  state.FrameReady = false;
  state.FrameArmed = false;

  if (ReadConfigAtStartUp(*this) == PortField::kGiven) OpenPortAtStartUp(*this);
  settings.SyncEnabled = true;
  platform.Timer1.Enable();
  Finish();
}

}  // namespace gpsclock
