// The About box frmAbout: the program's title, version and description, an etched separator, the
// maker's contact block and the two buttons, with the message of the system-information button.
#pragma once

#include <array>
#include <iterator>
#include <string_view>

#include "shell/layout/window_design.h"

namespace gpsclock {

enum class AboutBoxElement {
  kPicIcon,
  kLblTitle,
  kLblVersion,
  kLblDescription,
  kLine1Index1,
  kLine1Index0,
  kLblDisclaimer,
  kCmdOK,
  kCmdSysInfo,
};

inline constexpr std::string_view kSysInfoUnavailable = "此时系统信息无效";
inline constexpr Colour kGrey = 0x808080;

// The maker's contact block: each item is followed by more blanks than a line of the label
// holds, so the next item starts on a line of its own.
inline constexpr std::string_view kContactItems[] = {"Zelvaro电子", "地址：示例省示例市示例路0号",
                                                     "电话：0000-00000000", "电话：0000-00000001"};
inline constexpr std::size_t kContactPadding = 40;

consteval std::size_t ContactBlockLength() {
  std::size_t length = kContactPadding * (std::size(kContactItems) - 1);
  for (std::string_view item : kContactItems) length += item.size();
  return length;
}

inline constexpr std::array<char, ContactBlockLength()> kContactBlockText = [] {
  std::array<char, ContactBlockLength()> text{};
  std::size_t at = 0;
  for (std::string_view item : kContactItems) {
    if (at != 0) {
      for (std::size_t blank = 0; blank < kContactPadding; ++blank) text[at++] = ' ';
    }
    for (char c : item) text[at++] = c;
  }
  return text;
}();
inline constexpr std::string_view kContactBlock(kContactBlockText.data(), kContactBlockText.size());

// The two lines make one etched separator: grey above white, the white one two pixels high.
// clang-format off
inline constexpr ElementDesign kAboutBoxElements[] = {
    {"picIcon", ElementKind::kPicture, kClientArea, "", {240, 240, 540, 540}},
    {"lblTitle", ElementKind::kLabel, kClientArea, "Zelvaro科技 GPS卫星时钟微机对时程序", {1080, 240, 2925, 360}, 0,
     kWindowFont, kBlack},
    {"lblVersion", ElementKind::kLabel, kClientArea, "Ver 7.0   2007年7月", {4200, 240, 3885, 225}},
    {"lblDescription", ElementKind::kLabel, kClientArea,
     "本程序通过COM 口接收GPS卫星时钟发送的对时信息,自动修正后给微机对时,在锁定状态下的对时精度"
     "(9600波特率时)达1毫秒.当系统时钟与GPS时钟相差在一天内，系统时钟将逐步逼近GPS时钟。在每个小"
     "时的10分钟-50分钟内对时，其它时间不对时。",
     {960, 840, 6045, 1170}, 0, kWindowFont, kBlack},
    {"Line1(1)", ElementKind::kLine, kClientArea, "", {105, 2025, 6975, 15}, 0, kWindowFont, kGrey},
    {"Line1(0)", ElementKind::kLine, kClientArea, "", {120, 2040, 6960, 30}, 0, kWindowFont, kWhite},
    {"lblDisclaimer", ElementKind::kLabel, kClientArea, kContactBlock, {840, 2160, 3630, 1050}, 0, kWindowFont,
     kBlack},
    {"cmdOK", ElementKind::kButton, kClientArea, "确定", {5520, 2400, 1500, 345}, 0},
    {"cmdSysInfo", ElementKind::kButton, kClientArea, "系统信息(&S)...", {5520, 2880, 1485, 345}, 1},
};
// clang-format on
static_assert(std::size(kAboutBoxElements) == IndexOf(AboutBoxElement::kCmdSysInfo) + 1);

// Modeless; OK, Enter and Esc close it.
inline constexpr WindowDesign kAboutBoxDesign = {
    .name = "frmAbout",
    .title = "版本信息   Zelvaro电子",
    .client = {7275, 3360},
    .position = TwipsPoint{3690, 3165},
    .pointSize = kDefaultFont,
    .minimizeMaximizeButtons = false,
    .elements = kAboutBoxElements,
    .defaultButton = IndexOf(AboutBoxElement::kCmdOK),
    .cancelButton = IndexOf(AboutBoxElement::kCmdOK),
};

constexpr const WindowDesign& DesignOf(AboutBoxElement) {
  return kAboutBoxDesign;
}

}  // namespace gpsclock
