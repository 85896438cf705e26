// The settings dialog's handlers: Show, the load handler, OK and Cancel.
#pragma once

namespace gpsclock {

struct Program;

// The SetPort command: loads the dialog when it is not loaded (running the load handler), shows
// it, and disables Option1. A dialog already shown is only brought forward.
void ShowSettingsDialog(Program& program);
// Reads the configuration file with the dialog reader and selects the entries from it.
void LoadSettingsDialog(Program& program);
// Stores the chosen entries, writes the configuration file, reopens an open port and unloads the
// dialog; when the file cannot be written the dialog stays open and says so.
void AcceptSettingsDialog(Program& program);
// Cancel, or closing the dialog by any other means: unloads it, saving nothing.
void DismissSettingsDialog(Program& program);

}  // namespace gpsclock
