// The three windows as designed: every element's kind, place and caption, the windows' own
// figures, the focus order, the lists and the menu bar, and the twips arithmetic all shells share.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "shell/layout/about_box_design.h"
#include "shell/layout/main_window_design.h"
#include "shell/layout/settings_dialog_design.h"

namespace gpsclock {
namespace {

using A = AboutBoxElement;
using K = ElementKind;
using M = MainWindowElement;
using S = SettingsDialogElement;

struct ElementCase {
  template <typename Id>
  ElementCase(Id id, const char* name, ElementKind kind, const char* container, TwipsRect place,
              std::string caption)
      : window(&DesignOf(id)),
        element(&ElementDesignOf(id)),
        name(name),
        kind(kind),
        container(container),
        place(place),
        caption(std::move(caption)) {}

  const WindowDesign* window;
  const ElementDesign* element;
  std::string name;
  ElementKind kind;
  std::string container;  // empty for the client area
  TwipsRect place;
  std::string caption;
};

template <typename Rect>
std::tuple<int, int, int, int> Figures(const Rect& rect) {
  return {rect.left, rect.top, rect.width, rect.height};
}

// Each item of the contact block is followed by more blanks than a line of its label holds.
const std::string kBlanks(40, ' ');

// clang-format off
const ElementCase kElements[] = {
    {M::kLabel8, "Label8", K::kLabel, "", {360, 5040, 1215, 255}, "串口原始信息:"},
    {M::kLabel9, "Label9", K::kLabel, "", {1680, 5040, 4335, 255}, ""},
    {M::kLabel2, "Label2", K::kLabel, "", {1200, 240, 975, 255}, "串口已断开"},
    {M::kShape1, "Shape1", K::kIndicator, "", {960, 240, 135, 135}, ""},
    {M::kFrame1, "Frame1", K::kFrame, "", {360, 600, 2415, 1452}, "系统时间"},
    {M::kLSDISD, "LSDISD", K::kClockLabel, "Frame1", {240, 240, 1935, 495}, ""},
    {M::kLSDIS, "LSDIS", K::kClockLabel, "Frame1", {240, 840, 1935, 495}, ""},
    {M::kLabel6, "Label6", K::kLabel, "", {3240, 240, 975, 255}, "卫星未锁定"},
    {M::kShape2, "Shape2", K::kIndicator, "", {3000, 240, 135, 135}, ""},
    {M::kFrame2, "Frame2", K::kFrame, "", {3480, 600, 2415, 1455}, "GPS时间"},
    {M::kLDISD, "LDISD", K::kClockLabel, "Frame2", {240, 240, 1935, 495}, ""},
    {M::kLDIS, "LDIS", K::kClockLabel, "Frame2", {240, 840, 1935, 495}, ""},
    {M::kLabel7, "Label7", K::kLabel, "", {5160, 240, 855, 255}, "对时状态"},
    {M::kShape3, "Shape3", K::kIndicator, "", {4920, 240, 135, 135}, ""},
    {M::kText1, "text1", K::kLogBox, "", {360, 2760, 5775, 2175}, ""},
    {S::kFrame1, "Frame1", K::kFrame, "", {360, 480, 2412, 1455}, "串口设置"},
    {S::kLabel1, "Label1", K::kLabel, "Frame1", {120, 480, 612, 252}, "串口："},
    {S::kLabel2, "Label2", K::kLabel, "Frame1", {120, 960, 732, 252}, "波特率："},
    {S::kCombo1, "Combo1", K::kList, "", {1320, 840, 1092, 276}, ""},
    {S::kCombo2, "Combo2", K::kList, "", {1320, 1320, 1092, 276}, ""},
    {S::kFrame2, "Frame2", K::kFrame, "", {3000, 480, 2775, 735}, "GPS卫星未锁定时是否对时"},
    {S::kOption1, "Option1", K::kOption, "Frame2", {240, 240, 732, 372}, "是"},
    {S::kOption2, "Option2", K::kOption, "Frame2", {1560, 240, 732, 372}, "否"},
    {S::kFrame3, "Frame3", K::kFrame, "", {3000, 1320, 2775, 615}, "误差范围设置"},
    {S::kLabel4, "Label4", K::kLabel, "Frame3", {120, 240, 735, 255}, "误差超出"},
    {S::kCombo3, "Combo3", K::kEditableList, "Frame3", {840, 240, 615, 300}, ""},
    {S::kLabel5, "Label5", K::kLabel, "Frame3", {1560, 240, 1095, 255}, "天禁止对时"},
    {S::kLabel3, "Label3", K::kLabel, "", {240, 2040, 2655, 615}, "为了时间更精确,推荐使用9600波特率.(GPS时钟端也应有同样的波特率)"},
    {S::kCommand1, "Command1", K::kButton, "", {3240, 2280, 972, 372}, "确   定"},
    {S::kCommand2, "Command2", K::kButton, "", {4680, 2280, 972, 372}, "取   消"},
    {S::kLabel6, "Label6", K::kLabel, "", {240, 2760, 5655, 255}, ""},
    {A::kPicIcon, "picIcon", K::kPicture, "", {240, 240, 540, 540}, ""},
    {A::kLblTitle, "lblTitle", K::kLabel, "", {1080, 240, 2925, 360}, "Zelvaro科技 GPS卫星时钟微机对时程序"},
    {A::kLblVersion, "lblVersion", K::kLabel, "", {4200, 240, 3885, 225}, "Ver 7.0   2007年7月"},
    {A::kLblDescription, "lblDescription", K::kLabel, "", {960, 840, 6045, 1170},
     "本程序通过COM 口接收GPS卫星时钟发送的对时信息,自动修正后给微机对时,在锁定状态下的对时精度(9600波特率时)达1毫秒."
     "当系统时钟与GPS时钟相差在一天内，系统时钟将逐步逼近GPS时钟。在每个小时的10分钟-50分钟内对时，其它时间不对时。"},
    {A::kLine1Index1, "Line1(1)", K::kLine, "", {105, 2025, 6975, 15}, ""},
    {A::kLine1Index0, "Line1(0)", K::kLine, "", {120, 2040, 6960, 30}, ""},
    {A::kLblDisclaimer, "lblDisclaimer", K::kLabel, "", {840, 2160, 3630, 1050},
     "Zelvaro电子" + kBlanks + "地址：示例省示例市示例路0号" + kBlanks + "电话：0000-00000000" + kBlanks + "电话：0000-00000001"},
    {A::kCmdOK, "cmdOK", K::kButton, "", {5520, 2400, 1500, 345}, "确定"},
    {A::kCmdSysInfo, "cmdSysInfo", K::kButton, "", {5520, 2880, 1485, 345}, "系统信息(&S)..."},
};
// clang-format on

TEST(WindowLayout, EveryElementOfTheThreeWindowsHasItsDesignedKindPlaceAndCaption) {
  std::map<const WindowDesign*, std::size_t> checked;
  for (const ElementCase& c : kElements) {
    SCOPED_TRACE(std::string(c.window->name) + " " + c.name);
    const ElementDesign& e = *c.element;
    EXPECT_EQ(e.name, c.name);
    EXPECT_EQ(e.kind, c.kind);
    EXPECT_EQ(e.container == kClientArea ? "" : c.window->elements[e.container].name, c.container);
    EXPECT_EQ(Figures(e.place), Figures(c.place));
    EXPECT_EQ(e.caption, c.caption);
    ++checked[c.window];
  }
  for (const WindowDesign* window :
       {&kMainWindowDesign, &kSettingsDialogDesign, &kAboutBoxDesign}) {
    EXPECT_EQ(checked[window], window->elements.size()) << window->name;
  }
}

TEST(WindowLayout, EachWindowHasItsTitleClientAreaPlaceAndFont) {
  struct Case {
    const WindowDesign* window;
    const char* title;
    TwipsSize client;
    std::optional<std::pair<int, int>> position;
    int pointSize;
  };
  const Case cases[] = {
      {&kMainWindowDesign, "GPS卫星时钟对时7.0  Zelvaro电子", {6420, 5520}, {{2655, 2415}}, 18},
      {&kSettingsDialogDesign, "Zelvaro电子 GPS卫星时钟微机对时配置", {6120, 3105}, {}, 0},
      {&kAboutBoxDesign, "版本信息   Zelvaro电子", {7275, 3360}, {{3690, 3165}}, 0},
  };
  for (const Case& c : cases) {
    const WindowDesign& w = *c.window;
    SCOPED_TRACE(std::string(w.name));
    EXPECT_EQ(w.title, c.title);
    EXPECT_EQ(std::tie(w.client.width, w.client.height), std::tie(c.client.width, c.client.height));
    EXPECT_EQ(
        w.position ? std::optional(std::pair(w.position->left, w.position->top)) : std::nullopt,
        c.position);
    EXPECT_EQ(w.pointSize, c.pointSize);
    EXPECT_FALSE(w.minimizeMaximizeButtons);
  }
  EXPECT_EQ(kSettingsDialogDesign.defaultButton, IndexOf(S::kCommand1));
  EXPECT_EQ(kAboutBoxDesign.defaultButton, IndexOf(A::kCmdOK));
  EXPECT_EQ(kAboutBoxDesign.cancelButton, IndexOf(A::kCmdOK));
}

std::vector<std::string> FocusOrder(const WindowDesign& window) {
  std::vector<std::string> names;
  for (int element : TabOrder(window)) names.emplace_back(window.elements[element].name);
  return names;
}

TEST(WindowLayout, TheFocusMovesInTheDesignedTabOrder) {
  EXPECT_EQ(FocusOrder(kMainWindowDesign), std::vector<std::string>{"text1"});
  EXPECT_EQ(FocusOrder(kSettingsDialogDesign),
            (std::vector<std::string>{"Command1", "Combo2", "Option1", "Option2", "Combo1",
                                      "Command2", "Combo3"}));
  EXPECT_EQ(FocusOrder(kAboutBoxDesign), (std::vector<std::string>{"cmdOK", "cmdSysInfo"}));
}

TEST(WindowLayout, SettingsDialogListsHoldTheirEntriesWithItemData) {
  std::map<std::string, std::vector<std::pair<std::string, int>>> lists;
  for (const ListDesign& list : kSettingsDialogDesign.lists) {
    for (const ListEntry& entry : list.entries) {
      lists[std::string(kSettingsDialogDesign.elements[list.list].name)].emplace_back(
          entry.text, entry.itemData);
    }
  }
  using Entries = std::vector<std::pair<std::string, int>>;
  Entries ports;  // "串口 1" to "串口 8", one blank before the digit
  for (int port = 1; port <= 8; ++port) ports.emplace_back("串口 " + std::to_string(port), port);
  EXPECT_EQ(lists["Combo1"], ports);
  EXPECT_EQ(lists["Combo2"], (Entries{{"1200", 1}, {"2400", 2}, {"4800", 3}, {"9600", 4}}));
  EXPECT_EQ(lists["Combo3"], (Entries{{"0", 0}, {"1", 1}, {"2", 2}, {"3", 3}, {"4", 4}, {"5", 5}}));
  EXPECT_EQ(lists.size(), 3u);
}

TEST(WindowLayout, MenuBarHoldsFileWithHideAndExitThenFourCommandItems) {
  std::vector<std::string> items;
  for (const MenuItemDesign& item : kMainWindowDesign.menu) {
    const std::string_view in =
        item.submenuOf == kMenuBar ? "bar" : kMainWindowDesign.menu[item.submenuOf].name;
    items.push_back(std::string(in) + " " + std::string(item.name) + " " +
                    std::string(item.caption));
  }
  EXPECT_EQ(items, (std::vector<std::string>{"bar file 文件", "file yincang 隐藏", "file exit 退出",
                                             "bar SetPort 串口设置", "bar Disconnect 串口连接",
                                             "bar StopTime 禁止对时", "bar guanyu 关于"}));
  EXPECT_TRUE(HeadsSubmenu(kMainWindowDesign, IndexOf(MainMenuItem::kFile)));
  EXPECT_FALSE(HeadsSubmenu(kMainWindowDesign, IndexOf(MainMenuItem::kSetPort)));
}

TEST(WindowLayout, TwipsBecomeThePixelsOfTheScreensDensity) {
  // 15 twips to the pixel at 96 dpi, 10 at 144 dpi; a half pixel rounds up.
  EXPECT_EQ(TwipsToPixels(1452), 97);
  EXPECT_EQ(TwipsToPixels(2040), 136);
  EXPECT_EQ(TwipsToPixels(6420), 428);
  EXPECT_EQ(TwipsToPixels(1455, 144), 146);
  EXPECT_EQ(Figures(TwipsToPixels(TwipsRect{360, 600, 2415, 1452}, 144)),
            std::tuple(36, 60, 242, 145));
}

}  // namespace
}  // namespace gpsclock
