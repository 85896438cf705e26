// Combo3's selection and typed text move together.
#include "config/settings_dialog_model.h"

namespace gpsclock {

void SettingsDialogModel::SelectCombo3(int index) {
  Assign(combo3Index_, index);
  Assign(combo3Text_, index == kNoEntry ? std::string() : std::to_string(index));
}

void SettingsDialogModel::TypeCombo3(std::string text) {
  Assign(combo3Index_, kNoEntry);
  Assign(combo3Text_, std::move(text));
}

}  // namespace gpsclock
