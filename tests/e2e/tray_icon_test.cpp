// Black-box: the tray icon in a real notification area (trayer). The window comes back at the
// release of the right button over the icon, not at its press; and when the notification area
// goes away while the window is hidden, the window is shown again.
#include <gtest/gtest.h>

#include <thread>

#include "harness/main_window_driver.h"
#include "harness/notification_area.h"
#include "harness/program_folder.h"
#include "harness/program_run.h"
#include "harness/x_display.h"

namespace gpsclock::e2e {
namespace {

constexpr std::chrono::seconds kTimeout{10};
// Long enough for a window the press had restored to be shown.
constexpr std::chrono::seconds kPressHeld{1};
constexpr int kRightButton = 3;

class TrayIconTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(display.Name());
    ASSERT_TRUE(area.Shown());
    ASSERT_TRUE(window.WaitForWindow(kTimeout));
    ASSERT_TRUE(window.HideToTray());
    ASSERT_TRUE(WaitForNoShownWindow(Display(), kMainWindowTitlePattern, kTimeout));
  }
  std::string Display() const { return display.Name().value_or(""); }

  ProgramFolder folder;
  XDisplay display{folder.TestFile("")};
  NotificationArea area{Display(), folder.TestFile("")};
  ProgramRun program{folder, {}, Display()};
  MainWindowDriver window{Display()};
};

TEST_F(TrayIconTest, RightButtonBringsTheWindowBackAtItsReleaseNotItsPress) {
  const auto icon = WaitForTrayIcon(Display(), kTimeout);
  ASSERT_TRUE(icon);
  ASSERT_TRUE(PressOverIcon(Display(), *icon, kRightButton));
  std::this_thread::sleep_for(kPressHeld);
  EXPECT_FALSE(ShownWindow(Display(), kMainWindowTitlePattern)) << "shown at the press";
  ASSERT_TRUE(ReleaseOverIcon(Display(), *icon, kRightButton));
  EXPECT_TRUE(WaitForShownWindow(Display(), kMainWindowTitlePattern, kTimeout));
}

TEST_F(TrayIconTest, HiddenWindowIsShownAgainWhenTheNotificationAreaGoesAway) {
  area.Close();
  EXPECT_TRUE(WaitForShownWindow(Display(), kMainWindowTitlePattern, kTimeout));
  EXPECT_TRUE(program.Running());
}

}  // namespace
}  // namespace gpsclock::e2e
