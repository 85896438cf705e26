// Reading, replacing and appending files in the program's folder under UTF-16 names, and the
// failures each must report. Wine keeps its files on a Unix file system: a full disk and the
// access rights of NTFS are not shown here.
#include "platform/win32/win32_directory_files.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>

#include "platform/win32/program_directory.h"
#include "temp_directory.h"

namespace gpsclock {
namespace {

class Win32DirectoryFilesTest : public testing::Test {
 protected:
  std::filesystem::path PathOf(const char* fileName) const {
    return std::filesystem::u8path(directory_.Path()) / std::filesystem::u8path(fileName);
  }

  TempDirectory directory_;
  Win32DirectoryFiles files_{directory_.Path()};
};

TEST_F(Win32DirectoryFilesTest, AppendsAndReplacesUnderTheUtf8NameTurnedIntoUtf16) {
  EXPECT_EQ(files_.Read("跟踪记录.txt"), std::nullopt);
  ASSERT_TRUE(files_.Append("跟踪记录.txt", "first\r\n"));
  ASSERT_TRUE(files_.Append("跟踪记录.txt", "second\r\n"));
  EXPECT_EQ(files_.Read("跟踪记录.txt"), "first\r\nsecond\r\n");
  EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::u8path(directory_.Path()) /
                                               L"跟踪记录.txt"));
  ASSERT_TRUE(files_.Replace("config.cfg", "a much longer first text\r\n"));
  ASSERT_TRUE(files_.Replace("config.cfg", std::string("4,1,0,5\0\xC4\xEA", 10)));
  EXPECT_EQ(files_.Read("config.cfg"), std::string("4,1,0,5\0\xC4\xEA", 10));
}

TEST_F(Win32DirectoryFilesTest, ReadsAtMostTheFirstFourKibibytes) {
  std::string bytes;
  for (int i = 0; i < 100'000; ++i) bytes += static_cast<char>(i % 251);
  ASSERT_TRUE(files_.Replace("config.cfg", bytes));
  EXPECT_EQ(files_.Read("config.cfg"), bytes.substr(0, kReadLimitBytes));
}

// Windows does not wait for a file another program holds: every call fails at once, and the
// file keeps its bytes. A folder in the file's place fails the same way.
TEST_F(Win32DirectoryFilesTest, AFileHeldWithoutSharingOrAFolderFailsEveryCall) {
  ASSERT_TRUE(files_.Replace("跟踪记录.txt", "kept\r\n"));
  const HANDLE held = CreateFileW(PathOf("跟踪记录.txt").c_str(), GENERIC_READ, 0, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_EQ(files_.Read("跟踪记录.txt"), std::nullopt);
  EXPECT_FALSE(files_.Append("跟踪记录.txt", "lost\r\n"));
  EXPECT_FALSE(files_.Replace("跟踪记录.txt", "lost\r\n"));
  CloseHandle(held);
  EXPECT_EQ(files_.Read("跟踪记录.txt"), "kept\r\n");

  std::filesystem::create_directory(PathOf("config.cfg"));
  EXPECT_EQ(files_.Read("config.cfg"), std::nullopt);
  EXPECT_FALSE(files_.Append("config.cfg", "x"));
  EXPECT_FALSE(files_.Replace("config.cfg", "x"));
}

TEST_F(Win32DirectoryFilesTest, EveryCallFailsInAMissingFolderOrForANameThatIsNotUtf8) {
  Win32DirectoryFiles missing(directory_.Path() + "\\missing");
  EXPECT_EQ(missing.Read("config.cfg"), std::nullopt);
  EXPECT_FALSE(missing.Append("config.cfg", "x"));
  EXPECT_FALSE(missing.Replace("config.cfg", "x"));
  EXPECT_FALSE(files_.Append("\xFF.txt", "x"));
}

TEST(Win32ProgramDirectoryTest, IsTheFolderOfThisProgram) {
  const auto directory = ProgramDirectory();
  ASSERT_TRUE(directory.has_value());
  EXPECT_NE(directory->back(), '\\');
  EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::u8path(*directory) /
                                               "win32_platform_tests.exe"));
}

}  // namespace
}  // namespace gpsclock
