// The builder's geometry and fonts: the main window at 96 dpi as built, and at 144 dpi after
// Windows says the window moved to a screen of that density.
#include <tuple>

#include "shell/win32/screen_text.h"
#include "win32_shell_fixture.h"

namespace gpsclock {
namespace {

using E = MainWindowElement;

// A control's place in its window's client area.
std::tuple<int, int, int, int> PlaceOf(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

TEST_F(Win32ShellTest, MainWindowIsLaidOutFromTwipsAtItsScreensDensity) {
  struct Case {
    UINT dpi;
    MainWindowElement element;
    std::tuple<int, int, int, int> place;
    int fontHeight;  // in pixels, as a negative LOGFONT height
  };
  // 15 twips to the pixel at 96 dpi, 10 at 144 dpi, a half up; what a frame holds lies at the
  // frame's place plus its own. 18 point is 24 pixels at 96 dpi, 9 point 12.
  const Case cases[] = {
      {96, E::kShape1, {64, 16, 9, 9}, -24},      {96, E::kLabel2, {80, 16, 65, 17}, -12},
      {96, E::kFrame1, {24, 40, 161, 97}, -12},   {96, E::kLSDIS, {40, 96, 129, 33}, -24},
      {96, E::kLDISD, {248, 56, 129, 33}, -24},   {96, E::kText1, {24, 184, 385, 145}, -12},
      {144, E::kShape1, {96, 24, 14, 14}, -36},   {144, E::kLabel2, {120, 24, 98, 26}, -18},
      {144, E::kFrame1, {36, 60, 242, 145}, -18}, {144, E::kLSDIS, {60, 144, 194, 50}, -36},
      {144, E::kLDISD, {372, 84, 194, 50}, -36},  {144, E::kText1, {36, 276, 578, 218}, -18},
  };
  Start();
  for (const UINT dpi : {96u, 144u}) {
    if (dpi != 96) {
      RECT suggested{};
      GetWindowRect(Form1(), &suggested);
      SendMessageW(Form1(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                   reinterpret_cast<LPARAM>(&suggested));
    }
    RECT client{};
    GetClientRect(Form1(), &client);
    EXPECT_EQ(std::pair(client.right, client.bottom),
              dpi == 96 ? std::pair(428L, 368L) : std::pair(642L, 552L));
    for (const Case& c : cases) {
      if (c.dpi != dpi) continue;
      HWND control = Control(Form1(), c.element);
      SCOPED_TRACE(testing::Message() << dpi << " dpi, element " << IndexOf(c.element));
      EXPECT_EQ(PlaceOf(control), c.place);
      LOGFONTW font{};
      GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
                 &font);
      EXPECT_EQ(font.lfHeight, c.fontHeight);
      EXPECT_EQ(font.lfCharSet, GB2312_CHARSET);
      EXPECT_EQ(Utf8Text(font.lfFaceName), "宋体");
    }
  }
}

}  // namespace
}  // namespace gpsclock
