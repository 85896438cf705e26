// The menu bar's structure, and each menu command reaching the core and showing its effect.
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>

#include "shell/round_indicator.h"
#include "shell_fixture.h"

namespace gpsclock {
namespace {

QStringList Captions(const QList<QAction*>& actions) {
  QStringList captions;
  for (const QAction* action : actions) captions << action->text();
  return captions;
}

QStringList Names(const QList<QAction*>& actions) {
  QStringList names;
  for (const QAction* action : actions) {
    names << (action->menu() ? action->menu()->objectName() : action->objectName());
  }
  return names;
}

TEST_F(ShellTest, MenuBarHoldsFileWithHideAndExitThenFourCommandItems) {
  Start();
  const QList<QAction*> bar = Form1().menuBar()->actions();
  EXPECT_EQ(Names(bar), QStringList({"file", "SetPort", "Disconnect", "StopTime", "guanyu"}));
  EXPECT_EQ(Captions(bar), QStringList({"文件", "串口设置", "串口连接", "禁止对时", "关于"}));
  ASSERT_NE(bar[0]->menu(), nullptr);
  const QList<QAction*> file = bar[0]->menu()->actions();
  EXPECT_EQ(Names(file), QStringList({"yincang", "exit"}));
  EXPECT_EQ(Captions(file), QStringList({"隐藏", "退出"}));
  for (QAction* action : bar + file) {
    SCOPED_TRACE(action->text().toStdString());
    EXPECT_TRUE(action->isEnabled());
    EXPECT_TRUE(action->isVisible());
    EXPECT_FALSE(action->isCheckable());
    EXPECT_FALSE(action->isSeparator());
    EXPECT_TRUE(action->shortcut().isEmpty());
  }
  for (QAction* command : bar.mid(1)) EXPECT_EQ(command->menu(), nullptr);
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
