// The registry values that lead to the system-information program, in the Wine prefix's own
// registry, and a small program of the test's own in its place. Whether Windows refuses the key's
// access mask to a user who is not an administrator is not shown under Wine.
#include "platform/win32/system_info_launcher.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "temp_directory.h"

namespace gpsclock {
namespace {

constexpr char kTestKey[] = "Software\\gpsclock-test";
constexpr char kMsInfoKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr char kSharedToolsKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";

void SetValue(HKEY root, const char* key, const char* name, DWORD type, const void* data,
              DWORD size) {
  ASSERT_EQ(RegSetKeyValueA(root, key, name, type, data, size), ERROR_SUCCESS);
}

void SetText(HKEY root, const char* key, const char* name, const std::string& text) {
  SetValue(root, key, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

TEST(GetKeyValueTest, ReadsTextsAndNumbersAndCountsOtherTypesAsEmpty) {
  RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey);
  const DWORD minusFive = 0xFFFFFFFB;
  // RegSetValueExA counts a NUL that follows the bytes it is given: none follows here.
  const std::string full(1024, 'x');
  const std::string fullAndMore = full + 'x';
  SetText(HKEY_CURRENT_USER, kTestKey, "text", "C:\\Windows\\system32\\msinfo32.exe");
  SetValue(HKEY_CURRENT_USER, kTestKey, "number", REG_DWORD, &minusFive, sizeof minusFive);
  SetValue(HKEY_CURRENT_USER, kTestKey, "binary", REG_BINARY, "\1\2", 2);
  SetValue(HKEY_CURRENT_USER, kTestKey, "full", REG_SZ, fullAndMore.data(), 1024);
  SetText(HKEY_CURRENT_USER, kTestKey, "long", full);
  const struct {
    const char* key;
    const char* value;
    std::optional<std::string> text;
  } cases[] = {
      {kTestKey, "text", "C:\\Windows\\system32\\msinfo32.exe"},
      {kTestKey, "number", "-5"},
      {kTestKey, "binary", ""},
      {kTestKey, "full", full},          // 1024 bytes without a NUL: taken whole
      {kTestKey, "long", std::nullopt},  // with its NUL, more than the buffer holds
      {kTestKey, "missing", std::nullopt},
      {"Software\\gpsclock-test-missing", "text", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(GetKeyValue(HKEY_CURRENT_USER, c.key, c.value), c.text);
  }
  RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey);
}

class StartSystemInfoTest : public testing::Test {
 protected:
  void SetUp() override { TearDown(); }
  void TearDown() override {
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kMsInfoKey);
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kSharedToolsKey);
  }
  // The test's program copied into the folder under `name`; its path in UTF-8.
  std::string PlaceProgram(const char* name) {
    const auto path = std::filesystem::u8path(folder_.Path()) / name;
    std::filesystem::copy_file(GPSCLOCK_STARTED_PROGRAM, path);
    return folder_.Path() + "\\" + name;
  }
  bool Started() {
    const auto marker = std::filesystem::u8path(folder_.Path()) / "started";
    for (int i = 0; i < 500 && !std::filesystem::exists(marker); ++i) Sleep(10);
    return std::filesystem::exists(marker);
  }

  TempDirectory folder_;
};

TEST_F(StartSystemInfoTest, StartsTheProgramTheFirstValueNamesWithoutTryingTheSecond) {
  SetText(HKEY_LOCAL_MACHINE, kMsInfoKey, "PATH", PlaceProgram("msinfo.exe"));
  SetText(HKEY_LOCAL_MACHINE, kSharedToolsKey, "MSINFO", "C:\\nowhere");
  EXPECT_TRUE(StartSystemInfoProgram());
  EXPECT_TRUE(Started());
}

TEST_F(StartSystemInfoTest, OtherwiseStartsMsinfo32InTheFolderTheSecondValueNames) {
  SetText(HKEY_LOCAL_MACHINE, kSharedToolsKey, "MSINFO", folder_.Path());
  EXPECT_FALSE(StartSystemInfoProgram()) << "no MSINFO32.EXE there yet";
  PlaceProgram("MSINFO32.EXE");
  EXPECT_TRUE(StartSystemInfoProgram());
  EXPECT_TRUE(Started());
}

TEST_F(StartSystemInfoTest, FailsWhenTheFirstValueNamesNoProgramOrNeitherValueIsThere) {
  EXPECT_FALSE(StartSystemInfoProgram());
  PlaceProgram("MSINFO32.EXE");
  SetText(HKEY_LOCAL_MACHINE, kSharedToolsKey, "MSINFO", folder_.Path());
  SetText(HKEY_LOCAL_MACHINE, kMsInfoKey, "PATH", folder_.Path() + "\\missing.exe");
  EXPECT_FALSE(StartSystemInfoProgram());
}

}  // namespace
}  // namespace gpsclock
