// The settings dialog Form2 as plain data: its life cycle and the state of its choices.
#pragma once

#include <string>
#include <string_view>

#include "elements/window_elements.h"

namespace gpsclock {

enum class DialogState { kNotLoaded, kLoadedHidden, kShown };

inline constexpr int kNoEntry = -1;
inline constexpr int kPortEntries = 8;      // Combo1: "串口 1".."串口 8", item data 1..8
inline constexpr int kBaudEntries = 4;      // Combo2: "1200".."9600", item data 1..4
inline constexpr int kErrorDayEntries = 6;  // Combo3: "0".."5", item data 0..5

inline constexpr std::string_view kConfigWriteFailedCaption = "配置文件写入失败";

class SettingsDialogModel : public Element {
 public:
  DialogState State() const { return state_; }
  int Combo1Index() const { return combo1Index_; }
  int Combo2Index() const { return combo2Index_; }
  int Combo3Index() const { return combo3Index_; }
  // What the editable Combo3 shows: the selected entry's digit or what the user typed.
  const std::string& Combo3Text() const { return combo3Text_; }
  bool Option1Selected() const { return option1Selected_; }
  bool Option1Enabled() const { return option1Enabled_; }
  const std::string& Label6Caption() const { return label6Caption_; }

  void SetState(DialogState state) { Assign(state_, state); }
  // The user's and the load handler's choices; kNoEntry clears a selection.
  void SelectCombo1(int index) { Assign(combo1Index_, index); }
  void SelectCombo2(int index) { Assign(combo2Index_, index); }
  void SelectCombo3(int index);
  // Typing into Combo3 leaves no entry selected.
  void TypeCombo3(std::string text);
  void SelectOption1(bool selected) { Assign(option1Selected_, selected); }
  void SetOption1Enabled(bool enabled) { Assign(option1Enabled_, enabled); }
  void SetLabel6Caption(std::string caption) { Assign(label6Caption_, std::move(caption)); }

 private:
  DialogState state_ = DialogState::kNotLoaded;
  int combo1Index_ = kNoEntry;
  int combo2Index_ = kNoEntry;
  int combo3Index_ = kNoEntry;
  std::string combo3Text_;
  bool option1Selected_ = false;
  bool option1Enabled_ = true;
  std::string label6Caption_;
};

}  // namespace gpsclock
