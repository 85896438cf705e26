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
  std::filesystem::path Folder() const { return std::filesystem::u8path(directory_.Path()); }

  TempDirectory directory_;
  Win32DirectoryFiles files_{directory_.Path()};
};

TEST_F(Win32DirectoryFilesTest, AppendsAndReplacesUnderTheUtf16NameAndReadsAtMost4KiB) {
  EXPECT_EQ(files_.Read("跟踪记录.txt"), std::nullopt);
  ASSERT_TRUE(files_.Append("跟踪记录.txt", "first\r\n"));
  ASSERT_TRUE(files_.Append("跟踪记录.txt", "second\r\n"));
  EXPECT_EQ(files_.Read("跟踪记录.txt"), "first\r\nsecond\r\n");
  EXPECT_TRUE(std::filesystem::is_regular_file(Folder() / L"跟踪记录.txt"));
  std::string bytes;
  for (int i = 0; i < 100'000; ++i) bytes += static_cast<char>(i % 251);
  ASSERT_TRUE(files_.Replace("config.cfg", bytes));
  EXPECT_EQ(files_.Read("config.cfg"), bytes.substr(0, kReadLimitBytes));
  ASSERT_TRUE(files_.Replace("config.cfg", std::string("4,1,0,5\0\xC4\xEA", 10)));
  EXPECT_EQ(files_.Read("config.cfg"), std::string("4,1,0,5\0\xC4\xEA", 10));
}

// Windows does not wait for a file another program holds: every call fails at once, and the
// file keeps its bytes. A folder in the file's place, or a missing folder, fails the same way.
TEST_F(Win32DirectoryFilesTest, AFileHeldWithoutSharingAFolderOrAMissingFolderFailsEveryCall) {
  ASSERT_TRUE(files_.Replace("跟踪记录.txt", "kept\r\n"));
  const HANDLE held = CreateFileW((Folder() / L"跟踪记录.txt").c_str(), GENERIC_READ, 0, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  std::filesystem::create_directory(Folder() / "config.cfg");
  Win32DirectoryFiles missing(directory_.Path() + "\\missing");
  for (auto [files, name] :
       {std::pair{&files_, "跟踪记录.txt"}, {&files_, "config.cfg"}, {&missing, "config.cfg"}}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(files->Read(name), std::nullopt);
    EXPECT_FALSE(files->Append(name, "lost\r\n"));
    EXPECT_FALSE(files->Replace(name, "lost\r\n"));
  }
  CloseHandle(held);
  EXPECT_EQ(files_.Read("跟踪记录.txt"), "kept\r\n");
}

TEST(Win32ProgramDirectoryTest, IsTheFolderOfThisProgram) {
  const auto directory = ProgramDirectory();
  ASSERT_TRUE(directory.has_value());
  EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::u8path(*directory) /
                                               "win32_platform_tests.exe"));
}

}  // namespace
}  // namespace gpsclock
