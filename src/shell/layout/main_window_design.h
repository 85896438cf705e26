// The main window Form1: its elements, its menu bar and the window itself. The core's model
// drives the texts and colours of the elements it names; the rest stay as designed.
#pragma once

#include <iterator>

#include "clock/sync_switch.h"
#include "port/port_control.h"
#include "receiver/lock_log.h"
#include "shell/layout/program_title.h"
#include "shell/layout/window_design.h"

namespace gpsclock {

enum class MainWindowElement {
  kLabel8,
  kLabel9,
  kLabel2,
  kShape1,
  kFrame1,
  kLSDISD,
  kLSDIS,
  kLabel6,
  kShape2,
  kFrame2,
  kLDISD,
  kLDIS,
  kLabel7,
  kShape3,
  kText1,
};

enum class MainMenuItem { kFile, kYincang, kExit, kSetPort, kDisconnect, kStopTime, kGuanyu };

inline constexpr int kSmallPointSize = 9;

// The status row, the two clock frames, the log view and the raw-data line; the clock labels show
// the window's 18-point font, everything else a 9-point font of its own.
// clang-format off
inline constexpr ElementDesign kMainWindowElements[] = {
    {"Label8", ElementKind::kLabel, kClientArea, "串口原始信息:", {360, 5040, 1215, 255}, 0, kSmallPointSize},
    {"Label9", ElementKind::kLabel, kClientArea, "", {1680, 5040, 4335, 255}, 0, kSmallPointSize},
    {"Label2", ElementKind::kLabel, kClientArea, kPortClosedCaption, {1200, 240, 975, 255}, 0, kSmallPointSize},
    {"Shape1", ElementKind::kIndicator, kClientArea, "", {960, 240, 135, 135}},
    {"Frame1", ElementKind::kFrame, kClientArea, "系统时间", {360, 600, 2415, 1452}, 0, kSmallPointSize},
    {"LSDISD", ElementKind::kClockLabel, IndexOf(MainWindowElement::kFrame1), "", {240, 240, 1935, 495}},
    {"LSDIS", ElementKind::kClockLabel, IndexOf(MainWindowElement::kFrame1), "", {240, 840, 1935, 495}},
    {"Label6", ElementKind::kLabel, kClientArea, kNotLockedCaption, {3240, 240, 975, 255}, 0, kSmallPointSize},
    {"Shape2", ElementKind::kIndicator, kClientArea, "", {3000, 240, 135, 135}},
    {"Frame2", ElementKind::kFrame, kClientArea, "GPS时间", {3480, 600, 2415, 1455}, 0, kSmallPointSize},
    {"LDISD", ElementKind::kClockLabel, IndexOf(MainWindowElement::kFrame2), "", {240, 240, 1935, 495}},
    {"LDIS", ElementKind::kClockLabel, IndexOf(MainWindowElement::kFrame2), "", {240, 840, 1935, 495}},
    {"Label7", ElementKind::kLabel, kClientArea, kSyncStatusCaption, {5160, 240, 855, 255}, 0, kSmallPointSize},
    {"Shape3", ElementKind::kIndicator, kClientArea, "", {4920, 240, 135, 135}},
    {"text1", ElementKind::kLogBox, kClientArea, "", {360, 2760, 5775, 2175}, 0, kSmallPointSize},
};
// clang-format on
static_assert(std::size(kMainWindowElements) == IndexOf(MainWindowElement::kText1) + 1);

// No separators, no shortcut keys; the items other than 文件 give their command from the bar.
inline constexpr MenuItemDesign kMainMenu[] = {
    {"file", "文件", kMenuBar},
    {"yincang", "隐藏", IndexOf(MainMenuItem::kFile)},
    {"exit", "退出", IndexOf(MainMenuItem::kFile)},
    {"SetPort", "串口设置", kMenuBar},
    {"Disconnect", kConnectCaption, kMenuBar},
    {"StopTime", kForbidSyncCaption, kMenuBar},
    {"guanyu", "关于", kMenuBar},
};
static_assert(std::size(kMainMenu) == IndexOf(MainMenuItem::kGuanyu) + 1);

inline constexpr WindowDesign kMainWindowDesign = {
    .name = "Form1",
    .title = kProgramTitle,
    .client = {6420, 5520},
    .position = TwipsPoint{2655, 2415},
    .pointSize = 18,
    .minimizeMaximizeButtons = false,
    .elements = kMainWindowElements,
    .menu = kMainMenu,
};

constexpr const WindowDesign& DesignOf(MainWindowElement) {
  return kMainWindowDesign;
}

}  // namespace gpsclock
