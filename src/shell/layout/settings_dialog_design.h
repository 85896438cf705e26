// The settings dialog Form2: port, baud rate, the unlocked-set choice and the error range, with
// the lists' entries and their item data.
#pragma once

#include <iterator>

#include "config/settings_dialog_model.h"
#include "shell/layout/window_design.h"

namespace gpsclock {

enum class SettingsDialogElement {
  kFrame1,
  kLabel1,
  kLabel2,
  kCombo1,
  kCombo2,
  kFrame2,
  kOption1,
  kOption2,
  kFrame3,
  kLabel4,
  kCombo3,
  kLabel5,
  kLabel3,
  kCommand1,
  kCommand2,
  kLabel6,
};

// A frame comes before the controls it holds; Combo1 and Combo2 lie over Frame1 in the dialog.
// clang-format off
inline constexpr ElementDesign kSettingsDialogElements[] = {
    {"Frame1", ElementKind::kFrame, kClientArea, "串口设置", {360, 480, 2412, 1455}, 2},
    {"Label1", ElementKind::kLabel, IndexOf(SettingsDialogElement::kFrame1), "串口：", {120, 480, 612, 252}, 3},
    {"Label2", ElementKind::kLabel, IndexOf(SettingsDialogElement::kFrame1), "波特率：", {120, 960, 732, 252}, 4},
    {"Combo1", ElementKind::kList, kClientArea, "", {1320, 840, 1092, 276}, 8},
    {"Combo2", ElementKind::kList, kClientArea, "", {1320, 1320, 1092, 276}, 1},
    {"Frame2", ElementKind::kFrame, kClientArea, "GPS卫星未锁定时是否对时", {3000, 480, 2775, 735}, 5},
    {"Option1", ElementKind::kOption, IndexOf(SettingsDialogElement::kFrame2), "是", {240, 240, 732, 372}, 6},
    {"Option2", ElementKind::kOption, IndexOf(SettingsDialogElement::kFrame2), "否", {1560, 240, 732, 372}, 7},
    {"Frame3", ElementKind::kFrame, kClientArea, "误差范围设置", {3000, 1320, 2775, 615}, 11},
    {"Label4", ElementKind::kLabel, IndexOf(SettingsDialogElement::kFrame3), "误差超出", {120, 240, 735, 255}, 13,
     kWindowFont, kRed},
    {"Combo3", ElementKind::kEditableList, IndexOf(SettingsDialogElement::kFrame3), "", {840, 240, 615, 300}, 12,
     kWindowFont, kRed, kWhite},
    {"Label5", ElementKind::kLabel, IndexOf(SettingsDialogElement::kFrame3), "天禁止对时", {1560, 240, 1095, 255}, 14,
     kWindowFont, kRed},
    {"Label3", ElementKind::kLabel, kClientArea, "为了时间更精确,推荐使用9600波特率.(GPS时钟端也应有同样的波特率)",
     {240, 2040, 2655, 615}, 10, kWindowFont, kBlue},
    {"Command1", ElementKind::kButton, kClientArea, "确   定", {3240, 2280, 972, 372}, 0},
    {"Command2", ElementKind::kButton, kClientArea, "取   消", {4680, 2280, 972, 372}, 9},
    {"Label6", ElementKind::kLabel, kClientArea, "", {240, 2760, 5655, 255}, 15},
};
// clang-format on
static_assert(std::size(kSettingsDialogElements) == IndexOf(SettingsDialogElement::kLabel6) + 1);

// Combo1's item data is the port number, Combo2's the baud code, Combo3's the error days.
inline constexpr ListEntry kCombo1Entries[] = {{"串口 1", 1}, {"串口 2", 2}, {"串口 3", 3},
                                               {"串口 4", 4}, {"串口 5", 5}, {"串口 6", 6},
                                               {"串口 7", 7}, {"串口 8", 8}};
inline constexpr ListEntry kCombo2Entries[] = {{"1200", 1}, {"2400", 2}, {"4800", 3}, {"9600", 4}};
inline constexpr ListEntry kCombo3Entries[] = {{"0", 0}, {"1", 1}, {"2", 2},
                                               {"3", 3}, {"4", 4}, {"5", 5}};
static_assert(std::size(kCombo1Entries) == kPortEntries &&
              std::size(kCombo2Entries) == kBaudEntries &&
              std::size(kCombo3Entries) == kErrorDayEntries);

inline constexpr ListDesign kSettingsDialogLists[] = {
    {IndexOf(SettingsDialogElement::kCombo1), kCombo1Entries},
    {IndexOf(SettingsDialogElement::kCombo2), kCombo2Entries},
    {IndexOf(SettingsDialogElement::kCombo3), kCombo3Entries},
};

// Modeless, without an owner; the desktop places it.
inline constexpr WindowDesign kSettingsDialogDesign = {
    .name = "Form2",
    .title = "Zelvaro电子 GPS卫星时钟微机对时配置",
    .client = {6120, 3105},
    .position = std::nullopt,
    .pointSize = kDefaultFont,
    .minimizeMaximizeButtons = false,
    .elements = kSettingsDialogElements,
    .lists = kSettingsDialogLists,
    .defaultButton = IndexOf(SettingsDialogElement::kCommand1),
    .cancelButton = IndexOf(SettingsDialogElement::kCommand2),
};

constexpr const WindowDesign& DesignOf(SettingsDialogElement) {
  return kSettingsDialogDesign;
}

}  // namespace gpsclock
