// The menu bar's structure, and each menu command reaching the core and showing its effect.
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>

#include "shell/layout/main_window_design.h"
#include "shell/round_indicator.h"
#include "shell_fixture.h"

namespace gpsclock {
namespace {

// Each item as "holder name caption", the File menu's items after its own entry in the bar.
QStringList Items(const QString& holder, const QList<QAction*>& actions) {
  QStringList items;
  for (const QAction* action : actions) {
    const QMenu* menu = action->menu();
    items << holder + " " + (menu ? menu->objectName() : action->objectName()) + " " +
                 action->text();
    if (menu) items << Items(menu->objectName(), menu->actions());
  }
  return items;
}

TEST_F(ShellTest, MenuBarIsBuiltFromItsDesignWithPlainEnabledItems) {
  Start();
  QStringList designed;
  for (const MenuItemDesign& item : kMainWindowDesign.menu) {
    const std::string_view holder =
        item.submenuOf == kMenuBar ? "bar" : kMainWindowDesign.menu[item.submenuOf].name;
    designed << QString::fromUtf8(std::string(holder) + " " + std::string(item.name) + " " +
                                  std::string(item.caption));
  }
  const QList<QAction*> bar = Form1().menuBar()->actions();
  EXPECT_EQ(Items("bar", bar).join('|').toStdString(), designed.join('|').toStdString());
  ASSERT_NE(bar[0]->menu(), nullptr);
  for (QAction* action : bar + bar[0]->menu()->actions()) {
    SCOPED_TRACE(action->text().toStdString());
    EXPECT_TRUE(action->isEnabled());
    EXPECT_TRUE(action->isVisible());
    EXPECT_FALSE(action->isCheckable());
    EXPECT_FALSE(action->isSeparator());
    EXPECT_TRUE(action->shortcut().isEmpty());
  }
}

TEST_F(ShellTest, DisconnectOpensAndClosesThePortAndTheWindowFollows) {
  Start();
  auto* label2 = Find<QLabel>(Form1(), "Label2");
  auto* shape1 = Find<RoundIndicator>(Form1(), "Shape1");
  auto* disconnect = Form1().findChild<QAction*>("Disconnect");

  Click("Disconnect");
  EXPECT_TRUE(platform.serial.IsOpen());
  EXPECT_EQ(label2->text(), QStringLiteral("串口已开启"));
  EXPECT_EQ(disconnect->text(), QStringLiteral("断开串口"));
  EXPECT_EQ(shape1->Fill(), QColor(0, 255, 0));

  Click("Disconnect");
  EXPECT_FALSE(platform.serial.IsOpen());
  EXPECT_EQ(label2->text(), QStringLiteral("串口已断开"));
  EXPECT_EQ(disconnect->text(), QStringLiteral("串口连接"));
  EXPECT_EQ(shape1->Fill(), QColor(0, 128, 0));
}

TEST_F(ShellTest, StopTimeSwitchesSynchronisationAndItsCaption) {
  Start();
  auto* stopTime = Form1().findChild<QAction*>("StopTime");
  Click("StopTime");
  EXPECT_FALSE(program.Sync().SyncEnabled());
  EXPECT_EQ(stopTime->text(), QStringLiteral("允许对时"));
  EXPECT_EQ(Find<RoundIndicator>(Form1(), "Shape3")->Fill(), QColor(0, 128, 0));
  EXPECT_EQ(Find<QLabel>(Form1(), "Label7")->text(),
            QString::fromStdString(program.window.Label7.Caption()));
  Click("StopTime");
  EXPECT_TRUE(program.Sync().SyncEnabled());
  EXPECT_EQ(stopTime->text(), QStringLiteral("禁止对时"));
  EXPECT_EQ(Find<RoundIndicator>(Form1(), "Shape3")->Fill(), QColor(0, 255, 0));
}

TEST_F(ShellTest, SetPortShowsTheSettingsDialogAndAboutShowsTheAboutBox) {
  Start();
  EXPECT_FALSE(Form2().isVisible());
  Click("SetPort");
  EXPECT_TRUE(Form2().isVisible());
  EXPECT_EQ(program.dialog.State(), DialogState::kShown);
  EXPECT_EQ(Form1().OpenAboutBox(), nullptr);
  Click("guanyu");
  ASSERT_NE(Form1().OpenAboutBox(), nullptr);
  EXPECT_TRUE(Form1().OpenAboutBox()->isVisible());
}

TEST_F(ShellTest, ClockDisplaysAndLogFollowTheCoreAfterEveryEvent) {
  // Port 1 at 9600 baud, PC clock at 2007-07-01 12:20:00 and the device sending the same time.
  const Nanoseconds noon = CivilNanoseconds(2007, 7, 1, 12, 20, 0);
  Start("4,1,0,5\r\n", noon);
  SimulatedDevice device(platform, noon);
  device.Run(3, 'A');

  auto* lsdis = Find<QLabel>(Form1(), "LSDIS");
  auto* ldis = Find<QLabel>(Form1(), "LDIS");
  EXPECT_FALSE(lsdis->text().isEmpty());
  EXPECT_EQ(lsdis->text(), QString::fromStdString(program.window.LSDIS.Caption()));
  EXPECT_EQ(ldis->text(), QString::fromStdString(program.window.LDIS.Caption()));
  EXPECT_EQ(Find<QLabel>(Form1(), "LDISD")->text(), QStringLiteral("2007-07-01"));
  EXPECT_EQ(Find<QLabel>(Form1(), "Label6")->text(), QStringLiteral("已同步锁定"));
  EXPECT_EQ(Find<QLabel>(Form1(), "Label9")->text(),
            QString::fromStdString(program.window.Label9.Caption()));
  const QString log = Find<QPlainTextEdit>(Form1(), "text1")->toPlainText();
  EXPECT_EQ(log, QString::fromStdString(program.window.text1.Text()).replace("\r\n", "\n"));
  EXPECT_GT(program.window.text1.Lines().size(), 0u);
}

}  // namespace
}  // namespace gpsclock
