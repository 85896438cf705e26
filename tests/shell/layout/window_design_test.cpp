// The three windows as designed: every element's kind, place, caption, font and colours, the
// windows' own figures, the focus order, the lists and the menu bar, and the twips arithmetic all
// shells share.
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

// An element by its id, with the window it belongs to; a row of the table starts with the id.
struct ElementOf {
  template <typename Id>
  ElementOf(Id id) : window(&DesignOf(id)), design(&ElementDesignOf(id)) {}
  const WindowDesign* window;
  const ElementDesign* design;
};

struct ElementCase {
  ElementOf element;
  const char* name;
  ElementKind kind;
  const char* container;  // empty for the client area
  TwipsRect place;
  std::string caption;
  int pointSize = kWindowFont;
  std::optional<Colour> foreground = {};  // the text's, or a line's own colour
  std::optional<Colour> background = {};
};

template <typename Rect>
std::tuple<int, int, int, int> Figures(const Rect& rect) {
  return {rect.left, rect.top, rect.width, rect.height};
}

// Each item of the contact block is followed by more blanks than a line of its label holds.
const std::string kBlanks(40, ' ');

// clang-format off
const ElementCase kElements[] = {
    {M::kLabel8, "Label8", K::kLabel, "", {360, 5040, 1215, 255}, "串口原始信息:", 9},
    {M::kLabel9, "Label9", K::kLabel, "", {1680, 5040, 4335, 255}, "", 9},
    {M::kLabel2, "Label2", K::kLabel, "", {1200, 240, 975, 255}, "串口已断开", 9},
    {M::kShape1, "Shape1", K::kIndicator, "", {960, 240, 135, 135}, ""},
    {M::kFrame1, "Frame1", K::kFrame, "", {360, 600, 2415, 1452}, "系统时间", 9},
    {M::kLSDISD, "LSDISD", K::kClockLabel, "Frame1", {240, 240, 1935, 495}, ""},
    {M::kLSDIS, "LSDIS", K::kClockLabel, "Frame1", {240, 840, 1935, 495}, ""},
    {M::kLabel6, "Label6", K::kLabel, "", {3240, 240, 975, 255}, "卫星未锁定", 9},
    {M::kShape2, "Shape2", K::kIndicator, "", {3000, 240, 135, 135}, ""},
    {M::kFrame2, "Frame2", K::kFrame, "", {3480, 600, 2415, 1455}, "GPS时间", 9},
    {M::kLDISD, "LDISD", K::kClockLabel, "Frame2", {240, 240, 1935, 495}, ""},
    {M::kLDIS, "LDIS", K::kClockLabel, "Frame2", {240, 840, 1935, 495}, ""},
    {M::kLabel7, "Label7", K::kLabel, "", {5160, 240, 855, 255}, "对时状态", 9},
    {M::kShape3, "Shape3", K::kIndicator, "", {4920, 240, 135, 135}, ""},
    {M::kText1, "text1", K::kLogBox, "", {360, 2760, 5775, 2175}, "", 9},
    {S::kFrame1, "Frame1", K::kFrame, "", {360, 480, 2412, 1455}, "串口设置"},
    {S::kLabel1, "Label1", K::kLabel, "Frame1", {120, 480, 612, 252}, "串口："},
    {S::kLabel2, "Label2", K::kLabel, "Frame1", {120, 960, 732, 252}, "波特率："},
    {S::kCombo1, "Combo1", K::kList, "", {1320, 840, 1092, 276}, ""},
    {S::kCombo2, "Combo2", K::kList, "", {1320, 1320, 1092, 276}, ""},
    {S::kFrame2, "Frame2", K::kFrame, "", {3000, 480, 2775, 735}, "GPS卫星未锁定时是否对时"},
    {S::kOption1, "Option1", K::kOption, "Frame2", {240, 240, 732, 372}, "是"},
    {S::kOption2, "Option2", K::kOption, "Frame2", {1560, 240, 732, 372}, "否"},
    {S::kFrame3, "Frame3", K::kFrame, "", {3000, 1320, 2775, 615}, "误差范围设置"},
    {S::kLabel4, "Label4", K::kLabel, "Frame3", {120, 240, 735, 255}, "误差超出", 0, kRed},
    {S::kCombo3, "Combo3", K::kEditableList, "Frame3", {840, 240, 615, 300}, "", 0, kRed, kWhite},
    {S::kLabel5, "Label5", K::kLabel, "Frame3", {1560, 240, 1095, 255}, "天禁止对时", 0, kRed},
    {S::kLabel3, "Label3", K::kLabel, "", {240, 2040, 2655, 615}, "为了时间更精确,推荐使用9600波特率.(GPS时钟端也应有同样的波特率)", 0, kBlue},
    {S::kCommand1, "Command1", K::kButton, "", {3240, 2280, 972, 372}, "确   定"},
    {S::kCommand2, "Command2", K::kButton, "", {4680, 2280, 972, 372}, "取   消"},
    {S::kLabel6, "Label6", K::kLabel, "", {240, 2760, 5655, 255}, ""},
    {A::kPicIcon, "picIcon", K::kPicture, "", {240, 240, 540, 540}, ""},
    {A::kLblTitle, "lblTitle", K::kLabel, "", {1080, 240, 2925, 360}, "Zelvaro科技 GPS卫星时钟微机对时程序", 0, kBlack},
    {A::kLblVersion, "lblVersion", K::kLabel, "", {4200, 240, 3885, 225}, "Ver 7.0   2007年7月"},
    {A::kLblDescription, "lblDescription", K::kLabel, "", {960, 840, 6045, 1170},
     "本程序通过COM 口接收GPS卫星时钟发送的对时信息,自动修正后给微机对时,在锁定状态下的对时精度(9600波特率时)达1毫秒."
     "当系统时钟与GPS时钟相差在一天内，系统时钟将逐步逼近GPS时钟。在每个小时的10分钟-50分钟内对时，其它时间不对时。", 0, kBlack},
    {A::kLine1Index1, "Line1(1)", K::kLine, "", {105, 2025, 6975, 15}, "", 0, 0x808080},
    {A::kLine1Index0, "Line1(0)", K::kLine, "", {120, 2040, 6960, 30}, "", 0, kWhite},
    {A::kLblDisclaimer, "lblDisclaimer", K::kLabel, "", {840, 2160, 3630, 1050},
     "Zelvaro电子" + kBlanks + "地址：示例省示例市示例路0号" + kBlanks + "电话：0000-00000000" + kBlanks + "电话：0000-00000001",
     0, kBlack},
    {A::kCmdOK, "cmdOK", K::kButton, "", {5520, 2400, 1500, 345}, "确定"},
    {A::kCmdSysInfo, "cmdSysInfo", K::kButton, "", {5520, 2880, 1485, 345}, "系统信息(&S)..."},
};
// clang-format on

TEST(WindowLayout, EveryElementOfTheThreeWindowsHasItsDesignedKindPlaceCaptionFontAndColours) {
  std::map<const WindowDesign*, std::size_t> checked;
  for (const ElementCase& c : kElements) {
    const WindowDesign& window = *c.element.window;
    const ElementDesign& e = *c.element.design;
    SCOPED_TRACE(std::string(window.name) + " " + c.name);
    EXPECT_EQ(e.name, c.name);
    EXPECT_EQ(e.kind, c.kind);
    EXPECT_EQ(e.container == kClientArea ? "" : window.elements[e.container].name, c.container);
    EXPECT_EQ(Figures(e.place), Figures(c.place));
    EXPECT_EQ(e.caption, c.caption);
    EXPECT_EQ(std::tuple(e.pointSize, e.foreground, e.background),
              std::tuple(c.pointSize, c.foreground, c.background));
    ++checked[&window];
  }
  for (const WindowDesign* window :
       {&kMainWindowDesign, &kSettingsDialogDesign, &kAboutBoxDesign}) {
    EXPECT_EQ(checked[window], window->elements.size()) << window->name;
  }
}

TEST(WindowLayout, EachWindowHasItsTitleClientAreaPlaceFontAndButtons) {
  // Title, client area, first place (0, 0 for the desktop's choice), font, default and cancel.
  using Window = std::tuple<std::string, int, int, int, int, int, int, int>;
  const auto figures = [](const WindowDesign& w) {
    const TwipsPoint place = w.position.value_or(TwipsPoint{0, 0});
    EXPECT_FALSE(w.minimizeMaximizeButtons);
    return Window(w.title, w.client.width, w.client.height, place.left, place.top, w.pointSize,
                  w.defaultButton, w.cancelButton);
  };
  EXPECT_EQ(figures(kMainWindowDesign),
            Window("GPS卫星时钟对时7.0  Zelvaro电子", 6420, 5520, 2655, 2415, 18, -1, -1));
  EXPECT_EQ(figures(kSettingsDialogDesign),
            Window("Zelvaro电子 GPS卫星时钟微机对时配置", 6120, 3105, 0, 0, 0,
                   IndexOf(S::kCommand1), IndexOf(S::kCommand2)));
  EXPECT_EQ(figures(kAboutBoxDesign), Window("版本信息   Zelvaro电子", 7275, 3360, 3690, 3165, 0,
                                             IndexOf(A::kCmdOK), IndexOf(A::kCmdOK)));
  EXPECT_FALSE(kSettingsDialogDesign.position.has_value());
}

std::vector<std::string> Names(const WindowDesign& window, const std::vector<int>& elements) {
  std::vector<std::string> names;
  for (int element : elements) names.emplace_back(window.elements[element].name);
  return names;
}

TEST(WindowLayout, TheFocusMovesInTheDesignedTabOrder) {
  EXPECT_EQ(Names(kMainWindowDesign, TabOrder(kMainWindowDesign)),
            std::vector<std::string>{"text1"});
  EXPECT_EQ(Names(kSettingsDialogDesign, TabOrder(kSettingsDialogDesign)),
            (std::vector<std::string>{"Command1", "Combo2", "Option1", "Option2", "Combo1",
                                      "Command2", "Combo3"}));
  EXPECT_EQ(Names(kAboutBoxDesign, TabOrder(kAboutBoxDesign)),
            (std::vector<std::string>{"cmdOK", "cmdSysInfo"}));
}

TEST(WindowLayout, SettingsDialogListsHoldTheirEntriesWithItemData) {
  using Entries = std::vector<std::pair<std::string, int>>;
  Entries ports;  // "串口 1" to "串口 8", one blank before the digit
  for (int port = 1; port <= 8; ++port) ports.emplace_back("串口 " + std::to_string(port), port);
  std::vector<std::pair<std::string, Entries>> lists;
  for (const ListDesign& list : kSettingsDialogDesign.lists) {
    Entries& entries =
        lists.emplace_back(kSettingsDialogDesign.elements[list.list].name, Entries{}).second;
    for (const ListEntry& entry : list.entries) entries.emplace_back(entry.text, entry.itemData);
  }
  EXPECT_EQ(lists, (std::vector<std::pair<std::string, Entries>>{
                       {"Combo1", ports},
                       {"Combo2", {{"1200", 1}, {"2400", 2}, {"4800", 3}, {"9600", 4}}},
                       {"Combo3", {{"0", 0}, {"1", 1}, {"2", 2}, {"3", 3}, {"4", 4}, {"5", 5}}}}));
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
  EXPECT_EQ(TwipsToPixels(1455, 144), 146);
  EXPECT_EQ(Figures(TwipsToPixels(TwipsRect{360, 600, 2415, 1452}, 144)),
            std::tuple(36, 60, 242, 145));
}

}  // namespace
}  // namespace gpsclock
