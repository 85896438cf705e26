// The settings dialog's logic through the program's commands: Show, the load handler, OK and
// Cancel, and what each leaves in the dialog, the shared settings and config.cfg.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "config/config_file.h"
#include "support/simulated_platform.h"

namespace gpsclock {
namespace {

const std::string kConfig(kConfigFileName);

// Entry indices of the lists: Combo1 "串口 1".."串口 8", Combo2 "1200".."9600", Combo3 "0".."5".
constexpr int kPort1 = 0;
constexpr int kPort2 = 1;
constexpr int kPort3 = 2;
constexpr int kPort5 = 4;
constexpr int kPort8 = 7;
constexpr int k1200 = 0;
constexpr int k2400 = 1;
constexpr int k4800 = 2;
constexpr int k9600 = 3;

class SettingsDialog : public testing::Test {
 protected:
  Program& program() { return sim_.program; }
  SettingsDialogModel& dialog() { return sim_.program.dialog; }
  const SharedSettings& settings() { return sim_.program.Settings(); }
  std::optional<std::string> ConfigBytes() const { return sim_.platform.files.Contents(kConfig); }

  SimulatedProgram sim_;
};

struct FirstShowCase {
  const char* name;
  const char* config;  // empty: no file
  int combo1;
  int combo2;
  int combo3;
  bool option1Selected;
  // After OK with the selections as shown:
  std::string bytes;
  std::int16_t baudCode;
  std::int16_t portNumber;
  std::int16_t errorDays;
  bool syncWhenUnlocked;

  friend void PrintTo(const FirstShowCase& c, std::ostream* out) { *out << c.name; }
};

class FirstShowThenOk : public SettingsDialog, public testing::WithParamInterface<FirstShowCase> {};

TEST_P(FirstShowThenOk, ShowsTheEntriesLoadedAtStartUpAndOkSavesThem) {
  const FirstShowCase& c = GetParam();
  sim_.Start(c.config);
  program().OnSetPortCommand();
  EXPECT_EQ(dialog().State(), DialogState::kShown);
  EXPECT_EQ(dialog().Combo1Index(), c.combo1);
  EXPECT_EQ(dialog().Combo2Index(), c.combo2);
  EXPECT_EQ(dialog().Combo3Index(), c.combo3);
  EXPECT_EQ(dialog().Option1Selected(), c.option1Selected);
  EXPECT_FALSE(dialog().Option1Enabled());

  program().OnDialogOk();
  EXPECT_EQ(ConfigBytes(), c.bytes);
  EXPECT_EQ(settings().BaudCode, c.baudCode);
  EXPECT_EQ(settings().PortNumber, c.portNumber);
  EXPECT_EQ(settings().ErrorDays, c.errorDays);
  EXPECT_EQ(settings().ErrorDaysText, std::to_string(c.errorDays));
  EXPECT_EQ(settings().SyncWhenUnlocked, c.syncWhenUnlocked);
  EXPECT_EQ(dialog().State(), DialogState::kNotLoaded);
  EXPECT_FALSE(dialog().Option1Enabled());
}

INSTANTIATE_TEST_SUITE_P(
    Files, FirstShowThenOk,
    testing::Values(
        // The dialog reader's 9600 baud is shown and saved, though start-up took code 1.
        FirstShowCase{"NoFile", "", kPort1, k9600, 5, false, "4,1,0,5\r\n", 4, 1, 5, false},
        FirstShowCase{"Standard", "4,1,0,5\r\n", kPort1, k9600, 5, false, "4,1,0,5\r\n", 4, 1, 5,
                      false},
        FirstShowCase{"Port3At2400OneDay", "2,3,0,1\r\n", kPort3, k2400, 1, false, "2,3,0,1\r\n", 2,
                      3, 1, false},
        FirstShowCase{"EmptyBaudFieldShows9600", ",1,0,5\r\n", kPort1, k9600, 5, false,
                      "4,1,0,5\r\n", 4, 1, 5, false},
        FirstShowCase{"BlanksAroundFields", "4, 2 ,0 ,3", kPort2, k9600, 3, false, "4,2,0,3\r\n", 4,
                      2, 3, false},
        FirstShowCase{"PortHalfRoundsDownToEven", "4,2.5,0,5\r\n", kPort2, k9600, 5, false,
                      "4,2,0,5\r\n", 4, 2, 5, false},
        // Option1 shows the hand-written "1" and OK keeps it in force, but the file gets "0".
        FirstShowCase{"SyncWhenUnlockedByHand", "4,1,1,5\r\n", kPort1, k9600, 5, true,
                      "4,1,0,5\r\n", 4, 1, 5, true},
        // No entry for port 9, code 7 or 7 days: each setting keeps its value, nothing else.
        FirstShowCase{"ValuesOutsideTheLists", "7,9,0,7\r\n", kNoEntry, kNoEntry, kNoEntry, false,
                      "7,9,0,7\r\n", 7, 9, 7, false}),
    [](const testing::TestParamInfo<FirstShowCase>& info) { return info.param.name; });

TEST_F(SettingsDialog, OkSavesTheChosenEntries) {
  sim_.Start("4,1,0,5\r\n");
  program().OnSetPortCommand();
  dialog().SelectCombo1(kPort8);
  dialog().SelectCombo2(k1200);
  dialog().SelectCombo3(0);
  program().OnDialogOk();
  EXPECT_EQ(ConfigBytes(), "1,8,0,0\r\n");
  EXPECT_EQ(settings().PortNumber, 8);
  EXPECT_EQ(settings().BaudCode, 1);
  EXPECT_EQ(settings().ErrorDays, 0);
  EXPECT_EQ(settings().ErrorDaysText, "0");
}

TEST_F(SettingsDialog, OkWithOneListWithoutEntryKeepsOnlyThatSetting) {
  sim_.Start("7,9,0,7\r\n");
  program().OnSetPortCommand();
  dialog().SelectCombo2(k2400);
  program().OnDialogOk();
  EXPECT_EQ(ConfigBytes(), "2,9,0,7\r\n");
}

TEST_F(SettingsDialog, FirstShowAfterStartUpDoesNotReadTheFileAgain) {
  sim_.Start("4,1,0,5\r\n");
  sim_.platform.files.Put(kConfig, "2,3,0,1\r\n");
  program().OnSetPortCommand();
  EXPECT_EQ(dialog().Combo1Index(), kPort1);
  EXPECT_EQ(dialog().Combo2Index(), k9600);
  EXPECT_EQ(dialog().Combo3Index(), 5);
  EXPECT_EQ(settings().PortNumber, 1);
  EXPECT_EQ(settings().BaudCode, 4);
}

TEST_F(SettingsDialog, ShowWhileShownChangesNothing) {
  sim_.Start("4,1,0,5\r\n");
  program().OnSetPortCommand();
  dialog().SelectCombo1(kPort5);
  dialog().TypeCombo3("2");
  sim_.platform.files.Put(kConfig, "2,3,0,1\r\n");
  const std::uint64_t revision = dialog().Revision();
  program().OnSetPortCommand();
  EXPECT_EQ(dialog().Revision(), revision);
  EXPECT_EQ(dialog().State(), DialogState::kShown);
  EXPECT_EQ(dialog().Combo1Index(), kPort5);
  EXPECT_EQ(dialog().Combo3Text(), "2");
  EXPECT_EQ(settings().PortNumber, 1);
}

TEST_F(SettingsDialog, CancelSavesNothingAndTheNextShowHasTheFilesEntries) {
  sim_.Start("2,3,0,1\r\n");
  sim_.platform.serial.ClearCalls();
  program().OnSetPortCommand();
  dialog().SelectCombo1(kPort5);
  dialog().SelectCombo2(k4800);
  dialog().TypeCombo3("0");
  program().OnDialogCancel();
  EXPECT_EQ(dialog().State(), DialogState::kNotLoaded);
  EXPECT_EQ(ConfigBytes(), "2,3,0,1\r\n");
  EXPECT_EQ(sim_.platform.files.Writes(), 0u);
  EXPECT_EQ(settings().PortNumber, 3);
  EXPECT_EQ(settings().BaudCode, 2);
  EXPECT_EQ(settings().ErrorDays, 1);

  program().OnSetPortCommand();
  EXPECT_EQ(dialog().State(), DialogState::kShown);
  EXPECT_EQ(dialog().Combo1Index(), kPort3);
  EXPECT_EQ(dialog().Combo2Index(), k2400);
  EXPECT_EQ(dialog().Combo3Index(), 1);
  EXPECT_EQ(dialog().Combo3Text(), "1");
  EXPECT_FALSE(dialog().Option1Enabled());
  EXPECT_TRUE(sim_.platform.serial.Calls().empty());
}

TEST_F(SettingsDialog, ShowAfterCancelOverwritesTheSharedSettingsFromTheFile) {
  sim_.Start("2,3,0,1\r\n");
  program().OnSetPortCommand();
  program().OnDialogCancel();
  sim_.platform.files.Put(kConfig, "1,9,1,4\r\n");
  program().OnSetPortCommand();
  EXPECT_EQ(dialog().Combo1Index(), kNoEntry);  // port 9 has no entry, the old one is gone
  EXPECT_EQ(dialog().Combo2Index(), k1200);
  EXPECT_EQ(dialog().Combo3Index(), 4);
  EXPECT_TRUE(dialog().Option1Selected());
  EXPECT_FALSE(dialog().Option1Enabled());
  program().OnDialogCancel();
  // Cancel does not undo what the load handler read.
  EXPECT_EQ(settings().PortNumber, 9);
  EXPECT_EQ(settings().BaudCode, 1);
  EXPECT_TRUE(settings().SyncWhenUnlocked);
  EXPECT_EQ(settings().ErrorDaysText, "4");
  EXPECT_EQ(settings().ErrorDays, 4);
}

TEST_F(SettingsDialog, SyncWhenUnlockedByHandLastsUntilTheNextLoad) {
  sim_.Start("4,1,1,5\r\n");
  program().OnSetPortCommand();
  program().OnDialogOk();
  EXPECT_TRUE(settings().SyncWhenUnlocked);
  EXPECT_EQ(ConfigBytes(), "4,1,0,5\r\n");
  program().OnSetPortCommand();
  EXPECT_FALSE(dialog().Option1Selected());
  EXPECT_FALSE(settings().SyncWhenUnlocked);
}

struct TypedErrorDaysCase {
  const char* name;
  std::string typed;
  std::int16_t errorDays;

  friend void PrintTo(const TypedErrorDaysCase& c, std::ostream* out) { *out << c.name; }
};

class TypedErrorDays : public SettingsDialog,
                       public testing::WithParamInterface<TypedErrorDaysCase> {};

// The file's 2 days are current; a typed whole number 0..5 replaces them, anything else keeps them.
TEST_P(TypedErrorDays, CountsAsTheEntryOnlyWhenAWholeNumberOfTheList) {
  const TypedErrorDaysCase& c = GetParam();
  sim_.Start("4,1,0,2\r\n");
  program().OnSetPortCommand();
  dialog().TypeCombo3(c.typed);
  program().OnDialogOk();
  EXPECT_EQ(settings().ErrorDays, c.errorDays);
  EXPECT_EQ(ConfigBytes(), "4,1,0," + std::to_string(c.errorDays) + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TypedErrorDays,
    testing::Values(
        TypedErrorDaysCase{"Three", "3", 3}, TypedErrorDaysCase{"FirstEntry", "0", 0},
        TypedErrorDaysCase{"LastEntry", "5", 5}, TypedErrorDaysCase{"BlanksAround", " 4 ", 4},
        TypedErrorDaysCase{"PastTheLastEntry", "6", 2}, TypedErrorDaysCase{"TwoDigits", "10", 2},
        TypedErrorDaysCase{"Negative", "-1", 2}, TypedErrorDaysCase{"LeadingZero", "05", 5},
        TypedErrorDaysCase{"PlusSign", "+3", 3}, TypedErrorDaysCase{"ManyZeros", "000", 0},
        TypedErrorDaysCase{"SignAlone", "+", 2}, TypedErrorDaysCase{"Fraction", "2.5", 2},
        TypedErrorDaysCase{"NotANumber", "x", 2}, TypedErrorDaysCase{"Empty", "", 2}),
    [](const testing::TestParamInfo<TypedErrorDaysCase>& info) { return info.param.name; });

TEST_F(SettingsDialog, OkWhenTheFileCannotBeWrittenAppliesTheSettingsAndStaysOpen) {
  sim_.Start("4,1,0,5\r\n");
  sim_.platform.files.SetWritable(kConfig, false);
  sim_.platform.serial.ClearCalls();
  program().OnSetPortCommand();
  dialog().SelectCombo1(kPort2);
  dialog().SelectCombo2(k4800);
  program().OnDialogOk();
  EXPECT_EQ(settings().PortNumber, 2);
  EXPECT_EQ(settings().BaudCode, 3);
  const std::vector<std::string> reopened = {"Close", "Settings 4800,n,8,1", "CommPort 2", "Open"};
  EXPECT_EQ(sim_.platform.serial.Calls(), reopened);
  EXPECT_EQ(ConfigBytes(), "4,1,0,5\r\n");
  EXPECT_EQ(dialog().State(), DialogState::kShown);
  EXPECT_EQ(dialog().Label6Caption(), "配置文件写入失败");

  program().OnDialogCancel();
  EXPECT_EQ(dialog().State(), DialogState::kNotLoaded);
  program().OnSetPortCommand();
  EXPECT_EQ(dialog().Label6Caption(), "");
  EXPECT_EQ(dialog().Combo2Index(), k9600);  // read again from the file that was never written
}

TEST_F(SettingsDialog, OkThatWritesAfterAFailedOneClosesTheDialog) {
  sim_.Start("4,1,0,5\r\n");
  sim_.platform.files.SetWritable(kConfig, false);
  program().OnSetPortCommand();
  dialog().SelectCombo2(k4800);
  program().OnDialogOk();
  ASSERT_EQ(dialog().State(), DialogState::kShown);
  sim_.platform.files.SetWritable(kConfig, true);
  program().OnDialogOk();
  EXPECT_EQ(dialog().State(), DialogState::kNotLoaded);
  EXPECT_EQ(ConfigBytes(), "3,1,0,5\r\n");
  program().OnSetPortCommand();
  EXPECT_EQ(dialog().Label6Caption(), "");
  EXPECT_EQ(dialog().Combo2Index(), k4800);
}

}  // namespace
}  // namespace gpsclock
