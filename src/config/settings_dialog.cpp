// The settings dialog's handlers. The dialog is unloaded on OK and Cancel, so every Show after
// that loads it afresh from the file.
#include "config/settings_dialog.h"

#include "config/config_file.h"

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

void SettingsDialog::Load() {
  ReadConfigForDialog(files_, settings_);
  // A freshly loaded list has no entry selected until a value in its range selects one.
  model_.SelectCombo3(EntryFor(settings_.ErrorDays, 0, kErrorDayEntries));
  model_.SelectCombo1(EntryFor(settings_.PortNumber, 1, kPortEntries));
  model_.SelectCombo2(EntryFor(settings_.BaudCode, 1, kBaudEntries));
  model_.SelectOption1(settings_.SyncWhenUnlocked);
  model_.SetLabel6Caption("");
}

void SettingsDialog::Show() {
  if (model_.State() == DialogState::kShown) return;
  if (model_.State() == DialogState::kNotLoaded) Load();
  model_.SetState(DialogState::kShown);
  model_.SetOption1Enabled(false);
}

void SettingsDialog::Accept() {
  // A list without a selected entry leaves its setting as it is.
  if (model_.Combo1Index() != kNoEntry) {
    settings_.PortNumber = static_cast<std::int16_t>(model_.Combo1Index() + 1);
  }
  if (const auto errorDays = ChosenErrorDays(model_)) settings_.ErrorDays = *errorDays;
  if (model_.Combo2Index() != kNoEntry) {
    settings_.BaudCode = static_cast<std::int16_t>(model_.Combo2Index() + 1);
  }
  model_.SetOption1Enabled(false);
  settings_.SyncWhenUnlocked = model_.Option1Selected();
  if (!WriteConfig(files_, settings_)) {
    // Closing now would report the failure as a successful save.
    model_.SetLabel6Caption(std::string(kConfigWriteFailedCaption));
    return;
  }
  model_.SetState(DialogState::kNotLoaded);
}

void SettingsDialog::Dismiss() {
  model_.SetState(DialogState::kNotLoaded);
}

}  // namespace gpsclock
