// The Win32 windows as the user meets them: each menu command, the tray icon, the About box and
// the settings dialog, and the main window drawing the core's model.
#include <vector>

#include "config/config_file.h"
#include "shell/layout/about_box_design.h"
#include "shell/layout/settings_dialog_design.h"
#include "win32_shell_fixture.h"

namespace gpsclock {
namespace {

using E = MainWindowElement;
using TrayClick = NotificationIcon::Click;

// The top-level windows of this thread with `title`.
int WindowsTitled(const std::wstring& title) {
  struct Search {
    std::wstring title;
    int found = 0;
  } search{title};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM lParam) {
        auto& s = *reinterpret_cast<Search*>(lParam);
        wchar_t text[64] = {};
        GetWindowTextW(window, text, static_cast<int>(std::size(text)));
        if (s.title == text) ++s.found;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The text and background colours a static control is painted in, as its window sets them.
std::pair<Colour, Colour> PaintedColours(HWND window, HWND control) {
  HDC dc = CreateCompatibleDC(nullptr);
  SendMessageW(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
               reinterpret_cast<LPARAM>(control));
  const std::pair colours(static_cast<Colour>(GetTextColor(dc)),
                          static_cast<Colour>(GetBkColor(dc)));
  DeleteDC(dc);
  return colours;
}

// The colour at the middle of a round indicator as its window draws it.
COLORREF IndicatorFill(HWND window, HWND indicator) {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateBitmap(9, 9, 1, 32, nullptr);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  DRAWITEMSTRUCT item{};
  item.CtlType = ODT_STATIC;
  item.hwndItem = indicator;
  item.hDC = dc;
  item.rcItem = {0, 0, 9, 9};
  SendMessageW(window, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
  const COLORREF fill = GetPixel(dc, 4, 4);
  SelectObject(dc, previous);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return fill;
}

TEST_F(Win32ShellTest, PortAndSyncCommandsSwitchTheCoreAndTheirCaptionsBackAndForth) {
  struct Case {
    MainMenuItem item;
    MainWindowElement label;
    const char* after[4];  // the item's and the label's caption after one click, then after two
  };
  const Case cases[] = {
      {MainMenuItem::kDisconnect, E::kLabel2, {"断开串口", "串口已开启", "串口连接", "串口已断开"}},
      {MainMenuItem::kStopTime, E::kLabel7, {"允许对时", "停止对时", "禁止对时", "对时状态"}},
  };
  Start();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.after[0]);
    for (int clicks = 0; clicks < 2; ++clicks) {
      Click(c.item);
      EXPECT_EQ(MenuCaption(c.item), c.after[2 * clicks]);
      EXPECT_EQ(TextOf(Control(Form1(), c.label)), c.after[2 * clicks + 1]);
    }
  }
  Click(MainMenuItem::kDisconnect);
  EXPECT_TRUE(platform.serial.IsOpen());
  EXPECT_EQ(IndicatorFill(Form1(), Control(Form1(), E::kShape1)), kBrightGreen);
  Click(MainMenuItem::kStopTime);
  EXPECT_FALSE(program.Sync().SyncEnabled());
  EXPECT_EQ(IndicatorFill(Form1(), Control(Form1(), E::kShape3)), kDarkGreen);
}

TEST_F(Win32ShellTest, HideToTrayAndOnlyTheRightButtonsReleaseBringsTheWindowBack) {
  Start();
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    Click(MainMenuItem::kYincang);
    EXPECT_FALSE(IsWindowVisible(Form1()));
    EXPECT_TRUE(trayIcon.shown);
    EXPECT_EQ(trayIcon.tip, "Zelvaro电子Tavrin6.0");
    for (const TrayClick click :
         {TrayClick::kTrigger, TrayClick::kDoubleClick, TrayClick::kMiddleClick}) {
      trayIcon.ClickWith(click);
      EXPECT_FALSE(IsWindowVisible(Form1()));
    }
    trayIcon.ClickWith(TrayClick::kContext);
    EXPECT_TRUE(IsWindowVisible(Form1()));
    EXPECT_FALSE(trayIcon.shown);
  }
}

TEST_F(Win32ShellTest, ExitEndsAtOnceAndClosingTheWindowIsTheUnloadStep) {
  Start();
  Click(MainMenuItem::kExit);
  EXPECT_EQ(HandleMessages(), 0);
  EXPECT_EQ(trayIcon.removes, 0);
  Click(MainMenuItem::kYincang);
  SendMessageW(Form1(), WM_CLOSE, 0, 0);
  EXPECT_EQ(HandleMessages(), 0);
  EXPECT_FALSE(trayIcon.shown);
  EXPECT_EQ(trayIcon.removes, 1);
}

TEST_F(Win32ShellTest, AboutOpensOneBoxWhichOkEnterAndEscClose) {
  const std::wstring title = L"版本信息   Zelvaro电子";
  Start();
  struct Case {
    const char* how;
    UINT message;
    WPARAM key;
  };
  for (const Case& c : {Case{"OK", BM_CLICK, 0}, Case{"Enter", WM_KEYDOWN, VK_RETURN},
                        Case{"Esc", WM_KEYDOWN, VK_ESCAPE}}) {
    SCOPED_TRACE(c.how);
    Click(MainMenuItem::kGuanyu);
    Click(MainMenuItem::kGuanyu);
    ASSERT_NE(shell->Form1().OpenAboutBox(), nullptr);
    EXPECT_EQ(WindowsTitled(title), 1);
    PostMessageW(Control(shell->Form1().OpenAboutBox()->Handle(), AboutBoxElement::kCmdOK),
                 c.message, c.key, 0);
    HandleMessages();
    EXPECT_EQ(shell->Form1().OpenAboutBox(), nullptr);
    EXPECT_EQ(WindowsTitled(title), 0);
  }
}

TEST_F(Win32ShellTest, SetPortShowsTheDialogWhoseOkWritesConfigInAFreshFolder) {
  using S = SettingsDialogElement;
  Start();
  EXPECT_FALSE(IsWindowVisible(Form2()));
  Click(MainMenuItem::kSetPort);
  EXPECT_TRUE(IsWindowVisible(Form2()));
  EXPECT_EQ(TextOf(Control(Form2(), S::kCombo1)), "串口 1");
  EXPECT_EQ(TextOf(Control(Form2(), S::kCombo2)), "9600");
  EXPECT_EQ(TextOf(Control(Form2(), S::kCombo3)), "5");
  EXPECT_FALSE(IsWindowEnabled(Control(Form2(), S::kOption1)));
  EXPECT_EQ(SendMessageW(Control(Form2(), S::kOption2), BM_GETCHECK, 0, 0), BST_CHECKED);

  Press(Control(Form2(), S::kCommand1));
  EXPECT_FALSE(IsWindowVisible(Form2()));
  EXPECT_EQ(files.Read(kConfigFileName), "4,1,0,5\r\n");
}

TEST_F(Win32ShellTest, MainWindowDrawsTheModelAfterEveryEvent) {
  const Nanoseconds noon = CivilNanoseconds(2007, 7, 1, 12, 20, 0);
  Start("4,1,0,5\r\n", noon);
  SimulatedDevice device(platform, noon);
  device.Run(3, 'A');
  const MainWindowModel& m = program.window;
  EXPECT_EQ(TextOf(Control(Form1(), E::kLDISD)), "2007-07-01");
  EXPECT_EQ(TextOf(Control(Form1(), E::kLabel6)), "已同步锁定");
  EXPECT_EQ(TextOf(Control(Form1(), E::kLabel9)), m.Label9.Caption());
  EXPECT_EQ(TextOf(Control(Form1(), E::kLSDIS)), m.LSDIS.Caption());
  EXPECT_EQ(PaintedColours(Form1(), Control(Form1(), E::kLDIS)),
            std::pair(m.LDIS.Foreground(), m.LDIS.Background()));
  EXPECT_EQ(IndicatorFill(Form1(), Control(Form1(), E::kShape2)), m.Shape2.Fill());
  EXPECT_EQ(TextOf(Control(Form1(), E::kText1)), m.text1.Text());

  // Past its thousand lines the view lets go of the oldest, as the model does.
  for (int line = 0; line < 1003; ++line) program.window.text1.AppendLine(std::to_string(line));
  program.afterEvent();
  EXPECT_EQ(TextOf(Control(Form1(), E::kText1)), m.text1.Text());
}

}  // namespace
}  // namespace gpsclock
