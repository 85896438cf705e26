// The settings dialog's handlers: Show, the load handler, OK and Cancel.
#pragma once

#include "config/settings_dialog_model.h"
#include "config/shared_settings.h"
#include "platform/program_files.h"

namespace gpsclock {

class SettingsDialog {
 public:
  SettingsDialog(SettingsDialogModel& model, SharedSettings& settings, ProgramFiles& files)
      : model_(model), settings_(settings), files_(files) {}

  // The SetPort command: loads the dialog when it is not loaded (running the load handler),
  // shows it, and disables Option1. A dialog already shown is only brought forward.
  void Show();
  // Reads the configuration file with the dialog reader and selects the entries from it.
  void Load();
  // Stores the chosen entries, writes the configuration file and unloads the dialog; when the
  // file cannot be written the dialog stays open and says so. The caller then reopens an open
  // port with the stored number and speed.
  void Accept();
  // Cancel, or closing the dialog by any other means: unloads it, saving nothing.
  void Dismiss();

 private:
  SettingsDialogModel& model_;
  SharedSettings& settings_;
  ProgramFiles& files_;
};

}  // namespace gpsclock
