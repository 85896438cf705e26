// Reading, replacing and appending files in a directory, and the failures each must report.
#include "platform/posix/directory_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "temp_directory.h"

namespace gpsclock {
namespace {

class DirectoryFilesTest : public testing::Test {
 protected:
  std::string PathOf(const std::string& fileName) const {
    return directory_.Path() + "/" + fileName;
  }

  TempDirectory directory_;
  DirectoryFiles files_{directory_.Path()};
};

TEST_F(DirectoryFilesTest, ReadOfAMissingFileIsNothing) {
  EXPECT_EQ(files_.Read("config.cfg"), std::nullopt);
}

TEST_F(DirectoryFilesTest, ReadOfADirectoryIsNothing) {
  ASSERT_EQ(mkdir(PathOf("config.cfg").c_str(), 0700), 0);
  EXPECT_EQ(files_.Read("config.cfg"), std::nullopt);
}

TEST_F(DirectoryFilesTest, ReplaceCreatesTheFileThenCutsItToTheNewBytes) {
  ASSERT_TRUE(files_.Replace("config.cfg", "a much longer first text\r\n"));
  EXPECT_EQ(files_.Read("config.cfg"), "a much longer first text\r\n");
  const std::string bytes("short\0\xC4\xEA", 8);
  ASSERT_TRUE(files_.Replace("config.cfg", bytes));
  EXPECT_EQ(files_.Read("config.cfg"), bytes);
}

TEST_F(DirectoryFilesTest, ReplaceWithNothingLeavesAnEmptyFile) {
  ASSERT_TRUE(files_.Replace("config.cfg", "old"));
  ASSERT_TRUE(files_.Replace("config.cfg", ""));
  EXPECT_EQ(files_.Read("config.cfg"), "");
}

TEST_F(DirectoryFilesTest, ReadsAFileLargerThanOneChunk) {
  std::string bytes;
  for (int i = 0; i < 100'000; ++i) bytes += static_cast<char>(i % 251);
  ASSERT_TRUE(files_.Replace("big.bin", bytes));
  EXPECT_EQ(files_.Read("big.bin"), bytes);
}

TEST_F(DirectoryFilesTest, AppendCreatesTheFileUnderItsUtf8NameThenAppends) {
  ASSERT_TRUE(files_.Append("跟踪记录.txt", "first\r\n"));
  ASSERT_TRUE(files_.Append("跟踪记录.txt", "second\r\n"));
  EXPECT_EQ(files_.Read("跟踪记录.txt"), "first\r\nsecond\r\n");
  EXPECT_TRUE(std::filesystem::is_regular_file(PathOf("跟踪记录.txt")));
}

TEST_F(DirectoryFilesTest, EveryCallFailsWhenTheDirectoryIsARegularFile) {
  std::ofstream(PathOf("plain")) << "not a directory";
  DirectoryFiles files(PathOf("plain"));
  EXPECT_FALSE(files.Replace("config.cfg", "x"));
  EXPECT_FALSE(files.Append("config.cfg", "x"));
  EXPECT_EQ(files.Read("config.cfg"), std::nullopt);
}

TEST_F(DirectoryFilesTest, EveryCallFailsWhenTheDirectoryIsMissing) {
  DirectoryFiles files(PathOf("missing"));
  EXPECT_FALSE(files.Replace("config.cfg", "x"));
  EXPECT_FALSE(files.Append("config.cfg", "x"));
  EXPECT_EQ(files.Read("config.cfg"), std::nullopt);
}

TEST_F(DirectoryFilesTest, AReadOnlyFileRefusesWritesAndKeepsItsBytes) {
  ASSERT_TRUE(files_.Replace("config.cfg", "kept"));
  ASSERT_EQ(chmod(PathOf("config.cfg").c_str(), 0444), 0);
  if (access(PathOf("config.cfg").c_str(), W_OK) == 0) {
    GTEST_SKIP() << "permission bits do not stop this user's writes";
  }
  EXPECT_FALSE(files_.Replace("config.cfg", "lost"));
  EXPECT_FALSE(files_.Append("config.cfg", "lost"));
  EXPECT_EQ(files_.Read("config.cfg"), "kept");
}

// /dev/full takes the open but fails every write, as a full disk does.
TEST(DirectoryFilesFailingWriteTest, AFailedWriteFailsTheCall) {
  struct stat device {};
  if (stat("/dev/full", &device) != 0 || !S_ISCHR(device.st_mode)) {
    GTEST_SKIP() << "no /dev/full";
  }
  DirectoryFiles files("/dev");
  EXPECT_FALSE(files.Replace("full", "bytes"));
  EXPECT_FALSE(files.Append("full", "bytes"));
}

}  // namespace
}  // namespace gpsclock
