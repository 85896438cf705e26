// The settings dialog's handlers. The dialog is unloaded on OK and Cancel, so every Show after
// that loads it afresh from the file.
#include "config/settings_dialog.h"

#include "config/config_file.h"
#include "port/port_control.h"
#include "receiver/program.h"

namespace gpsclock {
namespace {

// The list entry for a value, or kNoEntry when the value lies outside the list.
int EntryFor(int value, int firstValue, int entries) {
  const int index = value - firstValue;
  return index >= 0 && index < entries ? index : kNoEntry;
}

// Combo3 takes typed text too: a whole number 0..5, such as "3", " 05" or "+2", counts as that
// entry.
std::optional<std::int16_t> ChosenErrorDays(const SettingsDialogModel& dialog) {
  if (dialog.Combo3Index() != kNoEntry) return static_cast<std::int16_t>(dialog.Combo3Index());
  std::string_view text = dialog.Combo3Text();
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) return {};
  while (text.size() > 1 && text.front() == '0') text.remove_prefix(1);
  if (text.size() != 1 || text[0] >= '0' + kErrorDayEntries) return {};
  return static_cast<std::int16_t>(text[0] - '0');
}

}  // namespace

void LoadSettingsDialog(Program& program) {
  SettingsDialogModel& dialog = program.dialog;
  const SharedSettings& settings = program.settings;
  ReadConfigForDialog(program);
  // A freshly loaded list has no entry selected until a value in its range selects one.
  dialog.SelectCombo3(EntryFor(settings.ErrorDays, 0, kErrorDayEntries));
  dialog.SelectCombo1(EntryFor(settings.PortNumber, 1, kPortEntries));
  dialog.SelectCombo2(EntryFor(settings.BaudCode, 1, kBaudEntries));
  dialog.SelectOption1(settings.SyncWhenUnlocked);
  dialog.SetLabel6Caption("");
}

void ShowSettingsDialog(Program& program) {
  SettingsDialogModel& dialog = program.dialog;
  if (dialog.State() == DialogState::kShown) return;
  if (dialog.State() == DialogState::kNotLoaded) LoadSettingsDialog(program);
  dialog.SetState(DialogState::kShown);
  dialog.SetOption1Enabled(false);
}

void AcceptSettingsDialog(Program& program) {
  SettingsDialogModel& dialog = program.dialog;
  SharedSettings& settings = program.settings;
  // A list without a selected entry leaves its setting as it is.
  if (dialog.Combo1Index() != kNoEntry) {
    settings.PortNumber = static_cast<std::int16_t>(dialog.Combo1Index() + 1);
  }
  if (const auto errorDays = ChosenErrorDays(dialog)) settings.ErrorDays = *errorDays;
  if (dialog.Combo2Index() != kNoEntry) {
    settings.BaudCode = static_cast<std::int16_t>(dialog.Combo2Index() + 1);
  }
  dialog.SetOption1Enabled(false);
  settings.SyncWhenUnlocked = dialog.Option1Selected();
  const bool written = WriteConfig(program);
  ReopenPortForDialog(program);
  if (!written) {
    // Closing now would report the failure as a successful save.
    dialog.SetLabel6Caption(std::string(kConfigWriteFailedCaption));
    return;
  }
  dialog.SetState(DialogState::kNotLoaded);
}

void DismissSettingsDialog(Program& program) {
  program.dialog.SetState(DialogState::kNotLoaded);
}

}  // namespace gpsclock
