// Hiding to the tray icon and coming back, and how the program ends.
#include <QLabel>
#include <QTimer>

#include "shell_fixture.h"

namespace gpsclock {
namespace {

using TrayClick = NotificationIcon::Click;

TEST_F(ShellTest, HideAndRestoreThroughTheTrayIconAnyNumberOfTimes) {
  Start();
  for (int round = 0; round < 3; ++round) {
    SCOPED_TRACE(round);
    Click("yincang");
    EXPECT_FALSE(Form1().isVisible());
    EXPECT_TRUE(trayIcon.shown);
    EXPECT_EQ(trayIcon.tip, "Zelvaro电子Tavrin6.0");
    EXPECT_TRUE(Form1().TrayIconData().Shown);
    EXPECT_EQ(Form1().TrayIconData().Tip, "Zelvaro电子Tavrin6.0");

    // Left, double and middle clicks do nothing; the right button brings the window back.
    for (const TrayClick click :
         {TrayClick::kTrigger, TrayClick::kDoubleClick, TrayClick::kMiddleClick}) {
      trayIcon.ClickWith(click);
      EXPECT_FALSE(Form1().isVisible());
      EXPECT_TRUE(trayIcon.shown);
    }
    trayIcon.ClickWith(TrayClick::kContext);
    EXPECT_TRUE(Form1().isVisible());
    EXPECT_FALSE(trayIcon.shown);
    EXPECT_FALSE(Form1().TrayIconData().Shown);
  }
}

TEST_F(ShellTest, WithoutANotificationAreaHideLeavesTheWindowShown) {
  trayIcon.available = false;
  Start();
  Click("yincang");
  EXPECT_TRUE(Form1().isVisible());
  EXPECT_FALSE(Form1().TrayIconData().Shown);
}

TEST_F(ShellTest, HiddenWindowComesBackWhenTheNotificationAreaGoesAway) {
  Start();
  Click("yincang");
  trayIcon.LoseArea();
  EXPECT_TRUE(Form1().isVisible());
  EXPECT_FALSE(trayIcon.shown);
  EXPECT_FALSE(Form1().TrayIconData().Shown);
  // Without a notification area the next hide keeps the window shown.
  Click("yincang");
  EXPECT_TRUE(Form1().isVisible());
}

TEST_F(ShellTest, HiddenWindowKeepsBeingUpdated) {
  Start("", CivilNanoseconds(2007, 7, 1, 12, 20, 0));
  Click("yincang");
  platform.time.AdvanceBy(kNanosecondsPerSecond);
  EXPECT_EQ(Find<QLabel>(Form1(), "LSDISD")->text(), QStringLiteral("2007-07-01"));
  trayIcon.ClickWith(TrayClick::kContext);
  EXPECT_EQ(Find<QLabel>(Form1(), "LSDIS")->text(),
            QString::fromStdString(program.window.LSDIS.Caption()));
}

TEST_F(ShellTest, ClosingTheWindowRemovesTheIconAndEndsTheProgram) {
  Start();
  EXPECT_EQ(RunEventLoop([this] { Form1().close(); }), 0);
  EXPECT_EQ(trayIcon.removes, 1);
  EXPECT_FALSE(Form1().isVisible());
}

TEST_F(ShellTest, ClosingTheWindowWhileHiddenRemovesTheIcon) {
  Start();
  Click("yincang");
  EXPECT_EQ(RunEventLoop([this] { Form1().close(); }), 0);
  EXPECT_FALSE(trayIcon.shown);
  EXPECT_FALSE(Form1().TrayIconData().Shown);
}

TEST_F(ShellTest, ExitEndsAtOnceWithoutUnloadAndWritesNothing) {
  Start("4,1,0,5\r\n");
  const std::size_t writes = platform.files.Writes();
  EXPECT_EQ(RunEventLoop([this] { Click("exit"); }), 0);
  EXPECT_EQ(platform.files.Writes(), writes);
  EXPECT_EQ(trayIcon.removes, 0);
}

TEST_F(ShellTest, HiddenDialogAndClosedAboutBoxDoNotEndTheProgram) {
  Start();
  Click("guanyu");
  QWidget* about = Form1().OpenAboutBox();
  Click("yincang");
  const int stillRunning = 7;
  EXPECT_EQ(RunEventLoop([about] {
              about->close();
              QTimer::singleShot(100, [] { QCoreApplication::exit(stillRunning); });
            }),
            stillRunning);
  EXPECT_FALSE(Form1().isVisible());
}

}  // namespace
}  // namespace gpsclock
