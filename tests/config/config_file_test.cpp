// config.cfg: the field syntax, the start-up and dialog readers with their own defaults, and the
// writer's exact bytes.
#include "config/config_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "platform/simulated/simulated_files.h"

namespace gpsclock {
namespace {

const std::string kConfig(kConfigFileName);

struct FieldsCase {
  const char* name;
  std::string bytes;
  ConfigFields fields;

  friend void PrintTo(const FieldsCase& c, std::ostream* out) { *out << c.name; }
};

class ConfigFieldSyntax : public testing::TestWithParam<FieldsCase> {};

TEST_P(ConfigFieldSyntax, TakesTheFirstFourFields) {
  EXPECT_EQ(ParseConfigFields(GetParam().bytes), GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ConfigFieldSyntax,
    testing::Values(FieldsCase{"OneLineWithCrLf", "4,1,0,5\r\n", {"4", "1", "0", "5"}},
                    FieldsCase{"TwoFieldsWithoutLineEnd", "3,2", {"3", "2", "", ""}},
                    FieldsCase{"BlanksAroundFieldsSkipped", "4, 2 ,0 ,3", {"4", "2", "0", "3"}},
                    FieldsCase{"TabsAroundFieldsSkipped", "\t4\t,1,0,5", {"4", "1", "0", "5"}},
                    FieldsCase{"BlanksInsideAFieldKept", " 1 2 ,1,0,5", {"1 2", "1", "0", "5"}},
                    FieldsCase{"SecondLineIgnored", "4,1,0,5\r\n1,8,1,0\r\n", {"4", "1", "0", "5"}},
                    FieldsCase{"FieldsAcrossLines", "3\r\n2\r\n1\r\n4\r\n", {"3", "2", "1", "4"}},
                    FieldsCase{
                        "LineEndInsideTheFieldsEndsAField", "3,2\r\n1,4\r\n", {"3", "2", "1", "4"}},
                    FieldsCase{"BareLineFeedEndsAField", "4,1,0,5\n9", {"4", "1", "0", "5"}},
                    FieldsCase{"FifthFieldIgnored", "4,1,0,5,9\r\n", {"4", "1", "0", "5"}},
                    FieldsCase{"EmptyFieldBetweenCommas", "4,,0,5\r\n", {"4", "", "0", "5"}},
                    FieldsCase{"OnlyCommas", ",,,", {"", "", "", ""}},
                    FieldsCase{"EmptyFile", "", {"", "", "", ""}}),
    [](const testing::TestParamInfo<FieldsCase>& info) { return info.param.name; });

// What a reader leaves in the shared settings.
struct ReadSettings {
  std::int16_t BaudCode;
  std::int16_t PortNumber;
  bool SyncWhenUnlocked;
  std::string ErrorDaysText;
  std::int16_t ErrorDays;

  friend bool operator==(const ReadSettings&, const ReadSettings&) = default;
  friend std::ostream& operator<<(std::ostream& out, const ReadSettings& s) {
    return out << "BaudCode " << s.BaudCode << ", PortNumber " << s.PortNumber
               << ", SyncWhenUnlocked " << s.SyncWhenUnlocked << ", ErrorDaysText \""
               << s.ErrorDaysText << "\", ErrorDays " << s.ErrorDays;
  }
};

ReadSettings Read(const SharedSettings& s) {
  return {s.BaudCode, s.PortNumber, s.SyncWhenUnlocked, s.ErrorDaysText, s.ErrorDays};
}

// The settings before a read: a value that fails to convert leaves these.
const ReadSettings kBefore{2, 6, true, "before", 3};

struct ReaderCase {
  const char* name;
  std::optional<std::string> file;  // nothing: no config.cfg
  ReadSettings afterStartUpRead;
  PortField portField;
  ReadSettings afterDialogRead;

  friend void PrintTo(const ReaderCase& c, std::ostream* out) { *out << c.name; }
};

class ConfigReaders : public testing::TestWithParam<ReaderCase> {
 protected:
  // The settings as they were before the read.
  void SetUp() override {
    if (GetParam().file) files_.Put(kConfig, *GetParam().file);
    SharedSettings& s = settings_;
    s.BaudCode = kBefore.BaudCode;
    s.PortNumber = kBefore.PortNumber;
    s.SyncWhenUnlocked = kBefore.SyncWhenUnlocked;
    s.ErrorDaysText = kBefore.ErrorDaysText;
    s.ErrorDays = kBefore.ErrorDays;
  }

  SimulatedFiles files_;
  SharedSettings settings_;
};

TEST_P(ConfigReaders, StartUpReaderSetsTheSettingsWithItsDefaults) {
  EXPECT_EQ(ReadConfigAtStartUp(files_, settings_), GetParam().portField);
  EXPECT_EQ(Read(settings_), GetParam().afterStartUpRead);
  EXPECT_EQ(files_.Contents(kConfig), GetParam().file);  // reading creates nothing
}

TEST_P(ConfigReaders, DialogReaderSetsTheSettingsWithItsDefaults) {
  ReadConfigForDialog(files_, settings_);
  EXPECT_EQ(Read(settings_), GetParam().afterDialogRead);
  EXPECT_EQ(files_.Contents(kConfig), GetParam().file);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ConfigReaders,
    testing::Values(
        ReaderCase{"Standard",
                   "4,1,0,5\r\n",
                   {4, 1, false, "5", 3},
                   PortField::kGiven,
                   {4, 1, false, "5", 5}},
        ReaderCase{"MissingFile",
                   std::nullopt,
                   {1, 1, false, "5", 3},
                   PortField::kEmpty,
                   {4, 1, false, "5", 5}},
        ReaderCase{
            "EmptyFile", "", {1, 1, false, "5", 3}, PortField::kEmpty, {4, 1, false, "5", 5}},
        ReaderCase{"TwoFieldsWithoutLineEnd",
                   "3,2",
                   {3, 2, false, "5", 3},
                   PortField::kGiven,
                   {3, 2, false, "5", 5}},
        ReaderCase{"BlanksAroundFields",
                   "4, 2 ,0 ,3",
                   {4, 2, false, "3", 3},
                   PortField::kGiven,
                   {4, 2, false, "3", 3}},
        ReaderCase{"SecondLineIgnored",
                   "2,3,0,1\r\n1,8,1,0\r\n",
                   {2, 3, false, "1", 3},
                   PortField::kGiven,
                   {2, 3, false, "1", 1}},
        ReaderCase{"FieldsAcrossLines",
                   "3\r\n2\r\n1\r\n4\r\n",
                   {3, 2, true, "4", 3},
                   PortField::kGiven,
                   {3, 2, true, "4", 4}},
        ReaderCase{"SyncWhenUnlockedByHand",
                   "4,1,1,5\r\n",
                   {4, 1, true, "5", 3},
                   PortField::kGiven,
                   {4, 1, true, "5", 5}},
        ReaderCase{"EmptyBaudField",
                   ",1,0,5\r\n",
                   {1, 1, false, "5", 3},
                   PortField::kGiven,
                   {4, 1, false, "5", 5}},
        ReaderCase{"EmptyPortField",
                   "4,,0,5\r\n",
                   {4, 1, false, "5", 3},
                   PortField::kEmpty,
                   {4, 1, false, "5", 5}},
        ReaderCase{"EmptyErrorDaysField",
                   "4,1,0,\r\n",
                   {4, 1, false, "5", 3},
                   PortField::kGiven,
                   {4, 1, false, "5", 5}},
        // Outside the dialog's list: only the dialog reader converts it.
        ReaderCase{"ErrorDaysSeven",
                   "4,1,0,7\r\n",
                   {4, 1, false, "7", 3},
                   PortField::kGiven,
                   {4, 1, false, "7", 7}},
        ReaderCase{"ErrorDaysNotANumber",
                   "4,1,0,x\r\n",
                   {4, 1, false, "x", 3},
                   PortField::kGiven,
                   {4, 1, false, "x", 0}},
        ReaderCase{"PortHalfRoundsDownToEven",
                   "4,2.5,0,5\r\n",
                   {4, 2, false, "5", 3},
                   PortField::kGiven,
                   {4, 2, false, "5", 5}},
        ReaderCase{"PortHalfRoundsUpToEven",
                   "4,3.5,0,5\r\n",
                   {4, 4, false, "5", 3},
                   PortField::kGiven,
                   {4, 4, false, "5", 5}},
        ReaderCase{"BaudNotANumber",
                   "x,1,0,5\r\n",
                   {0, 1, false, "5", 3},
                   PortField::kGiven,
                   {0, 1, false, "5", 5}},
        ReaderCase{"TooLargeKeepsThePreviousValues",
                   "99999,99999,0,99999\r\n",
                   {2, 6, false, "99999", 3},
                   PortField::kGiven,
                   {2, 6, false, "99999", 3}},
        ReaderCase{"NegativeValues",
                   "-1,-2,0,-3\r\n",
                   {-1, -2, false, "-3", 3},
                   PortField::kGiven,
                   {-1, -2, false, "-3", -3}}),
    [](const testing::TestParamInfo<ReaderCase>& info) { return info.param.name; });

struct WriteCase {
  const char* name;
  std::int16_t baudCode;
  std::int16_t portNumber;
  bool syncWhenUnlocked;
  std::int16_t errorDays;
  std::string bytes;

  friend void PrintTo(const WriteCase& c, std::ostream* out) { *out << c.name; }
};

class ConfigWriter : public testing::TestWithParam<WriteCase> {
 protected:
  void SetUp() override {
    const WriteCase& c = GetParam();
    // An older, longer file: the write replaces all of it.
    files_.Put(kConfig, "1,8,0,0,old\r\n2,2,2,2\r\n");
    SharedSettings& s = settings_;
    s.BaudCode = c.baudCode;
    s.PortNumber = c.portNumber;
    s.SyncWhenUnlocked = c.syncWhenUnlocked;
    s.ErrorDays = c.errorDays;
    s.ErrorDaysText = "7";
  }

  SimulatedFiles files_;
  SharedSettings settings_;
};

TEST_P(ConfigWriter, WritesOneLineEndedByCrLf) {
  const WriteCase& c = GetParam();
  EXPECT_TRUE(WriteConfig(files_, settings_));
  EXPECT_EQ(files_.Contents(kConfig), c.bytes);
  EXPECT_EQ(settings_.ErrorDaysText, std::to_string(c.errorDays));
}

TEST_P(ConfigWriter, WrittenFileReadsBackToTheSameValues) {
  const WriteCase& c = GetParam();
  ASSERT_TRUE(WriteConfig(files_, settings_));
  SharedSettings read;
  ReadConfigForDialog(files_, read);
  EXPECT_EQ(read.BaudCode, c.baudCode);
  EXPECT_EQ(read.PortNumber, c.portNumber);
  EXPECT_EQ(read.ErrorDays, c.errorDays);
  EXPECT_FALSE(read.SyncWhenUnlocked);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, ConfigWriter,
    testing::Values(WriteCase{"Standard", 4, 1, false, 5, "4,1,0,5\r\n"},
                    WriteCase{"SyncWhenUnlockedIsWrittenAsZero", 4, 1, true, 5, "4,1,0,5\r\n"},
                    WriteCase{"OtherChoices", 2, 3, false, 1, "2,3,0,1\r\n"},
                    WriteCase{"NegativeValuesWithMinus", -3, -1, false, -2, "-3,-1,0,-2\r\n"},
                    WriteCase{"NoLeadingZerosOrBlanks", 10, 300, false, 0, "10,300,0,0\r\n"},
                    WriteCase{"SixteenBitExtremes", 32767, -32768, true, 32767,
                              "32767,-32768,0,32767\r\n"}),
    [](const testing::TestParamInfo<WriteCase>& info) { return info.param.name; });

TEST(ConfigWriteFailure, FileThatCannotBeWrittenIsLeftAsItWasAndTheFailureIsTold) {
  SimulatedFiles files;
  files.Put(kConfig, "2,3,0,1\r\n");
  files.SetWritable(kConfig, false);
  SharedSettings s;
  s.BaudCode = 4;
  s.PortNumber = 1;
  s.ErrorDays = 5;
  s.ErrorDaysText = "1";
  EXPECT_FALSE(WriteConfig(files, s));
  EXPECT_EQ(files.Contents(kConfig), "2,3,0,1\r\n");
  EXPECT_EQ(s.ErrorDaysText, "5");  // set before the file is opened
}

}  // namespace
}  // namespace gpsclock
