// The settings dialog's life cycle as the user drives it: Show, the lists, OK, Cancel and the
// window's close box, with config.cfg and the serial port watched underneath.
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "config/config_file.h"
#include "shell_fixture.h"

namespace gpsclock {
namespace {

const std::string kConfig(kConfigFileName);

class SettingsDialogTest : public ShellTest {
 protected:
  QComboBox* Combo(const char* name) { return Find<QComboBox>(Form2(), name); }
  // The user picks an entry from a list.
  void Choose(const char* list, int index) {
    QComboBox* combo = Combo(list);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
  }
  // The user types into Combo3's text field.
  void TypeIntoCombo3(const QString& text) {
    QLineEdit* edit = Combo("Combo3")->lineEdit();
    edit->setText(text);
    emit edit->textEdited(text);
  }
  void PressOk() { Find<QPushButton>(Form2(), "Command1")->click(); }
  void PressCancel() { Find<QPushButton>(Form2(), "Command2")->click(); }
  std::optional<std::string> ConfigFile() { return platform.files.Contents(kConfig); }
  QString Shown(const char* list) { return Combo(list)->currentText(); }
};

TEST_F(SettingsDialogTest, NoFileFirstShowOffersTheDefaultsAndOkWritesThem) {
  Start();
  Click("SetPort");
  ASSERT_TRUE(Form2().isVisible());
  EXPECT_EQ(Shown("Combo1"), QStringLiteral("串口 1"));
  EXPECT_EQ(Shown("Combo2"), QStringLiteral("9600"));
  EXPECT_EQ(Shown("Combo3"), QStringLiteral("5"));
  EXPECT_TRUE(Find<QRadioButton>(Form2(), "Option2")->isChecked());
  EXPECT_FALSE(Find<QRadioButton>(Form2(), "Option1")->isEnabled());
  PressOk();
  EXPECT_EQ(ConfigFile(), "4,1,0,5\r\n");
  EXPECT_EQ(program.Settings().BaudCode, 4);
  EXPECT_FALSE(Form2().isVisible());
}

TEST_F(SettingsDialogTest, EveryShowingStartsWithTheFocusOnOk) {
  Start();
  for (const bool byOk : {false, true}) {
    SCOPED_TRACE(byOk ? "after OK" : "after Cancel");
    Click("SetPort");
    EXPECT_EQ(Form2().focusWidget(), Find<QPushButton>(Form2(), "Command1"));
    Combo("Combo1")->setFocus();
    byOk ? PressOk() : PressCancel();
  }
  Click("SetPort");
  EXPECT_EQ(Form2().focusWidget(), Find<QPushButton>(Form2(), "Command1"));
}

TEST_F(SettingsDialogTest, FirstShowKeepsWhatStartUpLoadedAndLaterShowsReloadTheFile) {
  Start();
  platform.files.Put(kConfig, "2,3,0,1\r\n");
  Click("SetPort");
  EXPECT_EQ(Shown("Combo1"), QStringLiteral("串口 1"));
  EXPECT_EQ(Shown("Combo2"), QStringLiteral("9600"));
  PressCancel();
  EXPECT_FALSE(Form2().isVisible());
  Click("SetPort");
  EXPECT_EQ(Shown("Combo1"), QStringLiteral("串口 3"));
  EXPECT_EQ(Shown("Combo2"), QStringLiteral("2400"));
  EXPECT_EQ(Shown("Combo3"), QStringLiteral("1"));
  PressOk();
  EXPECT_EQ(ConfigFile(), "2,3,0,1\r\n");
}

TEST_F(SettingsDialogTest, SetPortWhileShownOnlyBringsItForwardUnchanged) {
  Start();
  Click("SetPort");
  Choose("Combo2", 2);
  Choose("Combo1", 4);
  Click("SetPort");
  EXPECT_TRUE(Form2().isVisible());
  EXPECT_EQ(Shown("Combo1"), QStringLiteral("串口 5"));
  EXPECT_EQ(Shown("Combo2"), QStringLiteral("4800"));
}

TEST_F(SettingsDialogTest, CancelledChoicesAreForgottenAtTheNextShow) {
  Start("2,3,0,1\r\n");
  Click("SetPort");
  Choose("Combo1", 6);
  Choose("Combo3", 4);
  PressCancel();
  EXPECT_FALSE(Form2().isVisible());
  EXPECT_EQ(ConfigFile(), "2,3,0,1\r\n");
  Click("SetPort");
  EXPECT_EQ(Shown("Combo1"), QStringLiteral("串口 3"));
  EXPECT_EQ(Shown("Combo3"), QStringLiteral("1"));
}

TEST_F(SettingsDialogTest, OkReopensAnOpenPortAtTheChosenSpeed) {
  Start("4,1,0,5\r\n");
  ASSERT_TRUE(platform.serial.IsOpen());
  Click("SetPort");
  Choose("Combo2", 2);
  PressOk();
  EXPECT_EQ(platform.serial.OpenedAs(), "COM1 at 4800,n,8,1");
  EXPECT_EQ(ConfigFile(), "3,1,0,5\r\n");
  EXPECT_EQ(Find<QLabel>(Form1(), "Label2")->text(), QStringLiteral("串口已开启"));
}

TEST_F(SettingsDialogTest, CloseBoxAndEscapeCancelWithoutSaving) {
  Start();
  for (const bool escape : {false, true}) {
    SCOPED_TRACE(escape ? "Esc" : "close box");
    Click("SetPort");
    Choose("Combo1", 7);
    if (escape) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
      QApplication::sendEvent(&Form2(), &press);
    } else {
      Form2().close();
    }
    EXPECT_FALSE(Form2().isVisible());
    EXPECT_EQ(program.dialog.State(), DialogState::kNotLoaded);
    EXPECT_FALSE(ConfigFile().has_value());
  }
}

TEST_F(SettingsDialogTest, OkWithAListWithoutSelectedEntryKeepsThatSetting) {
  Start("4,9,0,5\r\n");
  Click("SetPort");
  EXPECT_EQ(Combo("Combo1")->currentIndex(), -1);
  EXPECT_EQ(Shown("Combo1"), QString());
  PressOk();
  EXPECT_EQ(program.Settings().PortNumber, 9);
  EXPECT_EQ(ConfigFile(), "4,9,0,5\r\n");
}

struct TypedCase {
  const char* name;
  const char* typed;
  const char* written;

  friend void PrintTo(const TypedCase& c, std::ostream* out) { *out << c.name; }
};

class Combo3TypingTest : public SettingsDialogTest,
                         public ::testing::WithParamInterface<TypedCase> {};

TEST_P(Combo3TypingTest, TextTypedIntoCombo3CountsOnlyWhenItIsAnEntry) {
  Start();
  Click("SetPort");
  TypeIntoCombo3(QString::fromUtf8(GetParam().typed));
  EXPECT_EQ(program.dialog.Combo3Index(), kNoEntry);
  // Events that redraw while the user types leave the typed text alone.
  platform.time.AdvanceBy(kNanosecondsPerSecond);
  EXPECT_EQ(Shown("Combo3"), QString::fromUtf8(GetParam().typed));
  PressOk();
  EXPECT_EQ(ConfigFile(), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(TypedText, Combo3TypingTest,
                         ::testing::Values(TypedCase{"AnEntry", "3", "4,1,0,3\r\n"},
                                           TypedCase{"NotANumber", "abc", "4,1,0,5\r\n"},
                                           TypedCase{"OutsideTheList", "9", "4,1,0,5\r\n"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsDialogTest, UnwritableFileKeepsTheDialogOpenAndSaysSo) {
  Start("4,1,0,5\r\n");
  platform.files.SetWritable(kConfig, false);
  Click("SetPort");
  Choose("Combo2", 0);
  PressOk();
  EXPECT_TRUE(Form2().isVisible());
  EXPECT_EQ(Find<QLabel>(Form2(), "Label6")->text(), QStringLiteral("配置文件写入失败"));
  EXPECT_EQ(program.Settings().BaudCode, 1);
  EXPECT_EQ(ConfigFile(), "4,1,0,5\r\n");
  PressCancel();
  EXPECT_FALSE(Form2().isVisible());
  platform.files.SetWritable(kConfig, true);
  Click("SetPort");
  EXPECT_EQ(Find<QLabel>(Form2(), "Label6")->text(), QString());
}

TEST_F(SettingsDialogTest, OptionOneIsShownSelectedButStaysDisabled) {
  Start("4,1,1,5\r\n");
  Click("SetPort");
  EXPECT_TRUE(Find<QRadioButton>(Form2(), "Option1")->isChecked());
  EXPECT_FALSE(Find<QRadioButton>(Form2(), "Option1")->isEnabled());
  Find<QRadioButton>(Form2(), "Option2")->click();
  EXPECT_FALSE(program.dialog.Option1Selected());
  PressOk();
  EXPECT_FALSE(program.Settings().SyncWhenUnlocked);
  EXPECT_EQ(ConfigFile(), "4,1,0,5\r\n");
}

}  // namespace
}  // namespace gpsclock
