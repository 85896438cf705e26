// The registry values that lead to the system-information program, in the Wine prefix's own
// registry, with a small program of the test's own in its place. Under Wine every program is an
// administrator: that Windows refuses the key's access mask to other users is not shown here.
#include "platform/win32/system_info_launcher.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "temp_directory.h"

namespace gpsclock {
namespace {

constexpr char kMsInfoKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr char kSharedToolsKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";

// RegSetValueExA counts a NUL that follows the bytes it is given as theirs.
void SetValue(HKEY root, const char* key, const char* name, const std::string& data,
              DWORD type = REG_SZ, std::size_t size = 0) {
  size = size ? size : data.size() + 1;
  ASSERT_EQ(RegSetKeyValueA(root, key, name, type, data.data(), static_cast<DWORD>(size)), 0);
}

TEST(GetKeyValueTest, ReadsSignedNumbersAndTextsOfUpTo1024Bytes) {
  constexpr char kKey[] = "Software\\gpsclock-test";
  const std::string full(1024, 'x');
  SetValue(HKEY_CURRENT_USER, kKey, "number", "\xFB\xFF\xFF\xFF", REG_DWORD, 4);
  SetValue(HKEY_CURRENT_USER, kKey, "full", full + 'x', REG_SZ, 1024);
  SetValue(HKEY_CURRENT_USER, kKey, "long", full);
  EXPECT_EQ(GetKeyValue(HKEY_CURRENT_USER, kKey, "number"), "-5");
  EXPECT_EQ(GetKeyValue(HKEY_CURRENT_USER, kKey, "full"), full) << "1024 bytes, no NUL: whole";
  EXPECT_EQ(GetKeyValue(HKEY_CURRENT_USER, kKey, "long"), std::nullopt) << "1025 with the NUL";
}

TEST(StartSystemInfoTest, StartsTheProgramTheFirstValueNamesElseMsinfo32WhereTheSecondSays) {
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, kMsInfoKey);
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, kSharedToolsKey);
  const TempDirectory folder;
  const auto placeProgram = [&](const char* name) {
    std::filesystem::copy_file(GPSCLOCK_STARTED_PROGRAM,
                               std::filesystem::u8path(folder.Path()) / name);
  };
  EXPECT_FALSE(StartSystemInfoProgram()) << "neither value is there";
  SetValue(HKEY_LOCAL_MACHINE, kSharedToolsKey, "MSINFO", folder.Path());
  EXPECT_FALSE(StartSystemInfoProgram()) << "no MSINFO32.EXE in the folder";
  placeProgram("MSINFO32.EXE");
  EXPECT_TRUE(StartSystemInfoProgram());
  SetValue(HKEY_LOCAL_MACHINE, kMsInfoKey, "PATH", folder.Path() + "\\msinfo.exe");
  EXPECT_FALSE(StartSystemInfoProgram())
      << "the first value names no program; the second is not tried";
  placeProgram("msinfo.exe");
  EXPECT_TRUE(StartSystemInfoProgram());
}

}  // namespace
}  // namespace gpsclock
