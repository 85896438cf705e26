// The start-up sequence, run once when the main window is created and before it is shown.
#include "config/config_file.h"
#include "receiver/program.h"

namespace gpsclock {

void Program::StartUp() {
  // Touching the settings dialog loads it hidden, so its reader runs before the start-up reader.
  settingsDialog_.Load();
  dialog.SetState(DialogState::kLoadedHidden);
  dialog.SetOption1Enabled(false);
  lockStatus_.StartUp();

  const bool portConfigured = ReadConfigAtStartUp(platform_.files, settings_) == PortField::kGiven;
  port_.StartUp(portConfigured);
  if (portConfigured) displays_.KeepLocalClockRunning();
  sync_.SwitchOn();
  displays_.KeepLocalClockRunning();
  Finish();
}

}  // namespace gpsclock
