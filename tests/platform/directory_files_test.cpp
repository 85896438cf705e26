// Reading, replacing and appending files in a directory, and the failures each must report.
#include "platform/posix/directory_files.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
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

TEST_F(DirectoryFilesTest, ReadsAtMostTheFirstFourKibibytes) {
  std::string bytes;
  for (int i = 0; i < 100'000; ++i) bytes += static_cast<char>(i % 251);
  ASSERT_TRUE(files_.Replace("config.cfg", bytes));
  EXPECT_EQ(files_.Read("config.cfg"), bytes.substr(0, kReadLimitBytes));
  // A file that never ends costs no more.
  ASSERT_EQ(symlink("/dev/zero", PathOf("zero").c_str()), 0);
  EXPECT_EQ(files_.Read("zero"), std::string(kReadLimitBytes, '\0'));
}

// Nothing waits on a FIFO: without a reader an open for writing fails at once (ENXIO), and a
// reading open without a writer finds it empty.
TEST_F(DirectoryFilesTest, AFifoWithoutAReaderFailsEveryWriteAtOnce) {
  ASSERT_EQ(mkfifo(PathOf("跟踪记录.txt").c_str(), 0600), 0);
  EXPECT_FALSE(files_.Append("跟踪记录.txt", "line\r\n"));
  EXPECT_FALSE(files_.Replace("跟踪记录.txt", "line\r\n"));
  EXPECT_EQ(files_.Read("跟踪记录.txt"), "");

  // With a reader the bytes go through.
  const int reader = open(PathOf("跟踪记录.txt").c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_NE(reader, -1);
  EXPECT_TRUE(files_.Append("跟踪记录.txt", "line\r\n"));
  char received[16] = {};
  EXPECT_EQ(read(reader, received, sizeof received), 6);
  EXPECT_STREQ(received, "line\r\n");
  close(reader);
}

// A file size limit stands in for a full disk: the write stops part way through the line.
TEST_F(DirectoryFilesTest, AnAppendCutShortIsUndoneAndTheNextLineIsWhole) {
  const std::string before = "2026年12月9日   4:0:1  :  卫星失锁\r\n";
  const std::string line = "2026年12月9日   4:0:9  :  卫星恢复锁定\r\n";
  ASSERT_TRUE(files_.Replace("跟踪记录.txt", before));
  const pid_t child = fork();
  ASSERT_NE(child, -1);
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{before.size() + 10, before.size() + 10};
    const bool limited = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    _exit(limited && !files_.Append("跟踪记录.txt", line) ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the cut-short append did not fail";
  EXPECT_EQ(files_.Read("跟踪记录.txt"), before);
  ASSERT_TRUE(files_.Append("跟踪记录.txt", line));
  EXPECT_EQ(files_.Read("跟踪记录.txt"), before + line);
}

TEST_F(DirectoryFilesTest, AppendCreatesTheFileUnderItsUtf8NameThenAppends) {
  ASSERT_TRUE(files_.Append("跟踪记录.txt", "first\r\n"));
  ASSERT_TRUE(files_.Append("跟踪记录.txt", "second\r\n"));
  EXPECT_EQ(files_.Read("跟踪记录.txt"), "first\r\nsecond\r\n");
  EXPECT_TRUE(std::filesystem::is_regular_file(PathOf("跟踪记录.txt")));
}

// Made in a folder its group may write to, each file is the group's to write too, whatever the
// umask; elsewhere the umask stands.
TEST_F(DirectoryFilesTest, AFileMadeInAGroupFolderIsWritableByTheGroupWhateverTheUmask) {
  const mode_t umaskBefore = umask(077);
  for (const mode_t folderMode : {mode_t{03770}, mode_t{0700}}) {
    ASSERT_EQ(chmod(directory_.Path().c_str(), folderMode), 0);
    std::filesystem::remove(PathOf("config.cfg"));
    std::filesystem::remove(PathOf("跟踪记录.txt"));
    ASSERT_TRUE(files_.Replace("config.cfg", "4,1,0,5\r\n"));
    ASSERT_TRUE(files_.Append("跟踪记录.txt", "line\r\n"));
    for (const char* name : {"config.cfg", "跟踪记录.txt"}) {
      struct stat file {};
      ASSERT_EQ(stat(PathOf(name).c_str(), &file), 0);
      EXPECT_EQ(file.st_mode & 0777, (folderMode & S_IWGRP) != 0 ? 0660u : 0600u) << name;
    }
  }
  umask(umaskBefore);
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
