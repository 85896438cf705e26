// The lock status label and the tracking log: which frames write lines, their exact bytes in the
// file (GBK, CR LF, appended), the log view, and a log file that cannot be written.
#include <gtest/gtest.h>

#include "receiver/lock_log.h"
#include "support/simulated_platform.h"

namespace gpsclock {
namespace {

// GBK bytes of the texts in the lines.
const std::string kYear = "\xC4\xEA";
const std::string kMonth = "\xD4\xC2";
const std::string kDay = "\xC8\xD5";
const std::string kLost = "  :  \xCE\xC0\xD0\xC7\xCA\xA7\xCB\xF8";
const std::string kLocked = "  :  \xD2\xD1\xCB\xF8\xB6\xA8\xCE\xC0\xD0\xC7";
const std::string kRestored = "  :  \xCE\xC0\xD0\xC7\xBB\xD6\xB8\xB4\xCB\xF8\xB6\xA8";

std::string GbkLine(int year, int month, int day, const std::string& time,
                    const std::string& event) {
  return std::to_string(year) + kYear + std::to_string(month) + kMonth + std::to_string(day) +
         kDay + "   " + time + event + "\r\n";
}

class LockLog : public testing::Test {
 protected:
  void SetUp() override { sim.Start("4,1,0,5\r\n"); }
  void Feed(const std::string& bytes) { sim.platform.serial.Receive(bytes); }
  std::string LogFile() const {
    return sim.platform.files.Contents("跟踪记录.txt").value_or("<no file>");
  }
  const std::deque<std::string>& ViewLines() const { return sim.program.window.text1.Lines(); }

  SimulatedProgram sim;
};

TEST_F(LockLog, FirstLockedFrameWritesTwoLines) {
  Feed(MakeFrame(2007, 7, 9, 8, 5, 3, 'A'));
  EXPECT_EQ(LogFile(),
            GbkLine(2007, 7, 9, "8:5:4", kLocked) + GbkLine(2007, 7, 9, "8:5:4", kRestored));
  EXPECT_EQ(sim.program.Lock().LogLine(), "2007年7月9日   8:5:4  :  卫星恢复锁定");
  EXPECT_EQ(sim.program.window.Label6.Caption(), "已同步锁定");
}

TEST_F(LockLog, FirstUnlockedFrameWritesOneLine) {
  Feed(MakeFrame(2007, 7, 9, 8, 5, 3, 'V'));
  EXPECT_EQ(LogFile(), GbkLine(2007, 7, 9, "8:5:3", kLost));
  EXPECT_EQ(sim.program.window.Label6.Caption(), "卫星未锁定");
}

TEST_F(LockLog, OnlyChangesOfTheLockAreLoggedAfterTheFirstFrame) {
  Feed(MakeFrame(2024, 12, 1, 10, 0, 0, 'A'));
  Feed(MakeFrame(2024, 12, 1, 10, 0, 1, 'A'));
  Feed(MakeFrame(2024, 12, 1, 10, 0, 2, 'A'));
  Feed(MakeFrame(2024, 12, 1, 10, 0, 3, 'V'));
  Feed(MakeFrame(2024, 12, 1, 10, 0, 4, 'V'));
  Feed(MakeFrame(2024, 12, 1, 10, 0, 5, 'A'));
  EXPECT_EQ(LogFile(),
            GbkLine(2024, 12, 1, "10:0:1", kLocked) + GbkLine(2024, 12, 1, "10:0:1", kRestored) +
                GbkLine(2024, 12, 1, "10:0:3", kLost) + GbkLine(2024, 12, 1, "10:0:6", kRestored));
}

TEST_F(LockLog, OtherStatusKeepsTheLockAndLogsOnlyAsTheFirstFrame) {
  Feed(MakeFrame(2024, 12, 1, 10, 0, 0, 'x'));
  EXPECT_EQ(LogFile(), GbkLine(2024, 12, 1, "10:0:0", kLost));
  Feed(MakeFrame(2024, 12, 1, 10, 0, 1, 'A'));
  Feed(MakeFrame(2024, 12, 1, 10, 0, 2, 'a'));
  EXPECT_TRUE(sim.program.Lock().Locked());
  EXPECT_EQ(LogFile(),
            GbkLine(2024, 12, 1, "10:0:0", kLost) + GbkLine(2024, 12, 1, "10:0:2", kRestored));
}

TEST_F(LockLog, MidnightLossKeepsTheDecodedTimeAndGainTakesTheNextDay) {
  Feed(MakeFrame(2024, 12, 31, 23, 59, 58, 'A'));
  Feed(MakeFrame(2024, 12, 31, 23, 59, 59, 'V'));
  Feed(MakeFrame(2024, 12, 31, 23, 59, 59, 'A'));
  EXPECT_EQ(LogFile(), GbkLine(2024, 12, 31, "23:59:59", kLocked) +
                           GbkLine(2024, 12, 31, "23:59:59", kRestored) +
                           GbkLine(2024, 12, 31, "23:59:59", kLost) +
                           GbkLine(2025, 1, 1, "0:0:0", kRestored));
}

TEST_F(LockLog, StatusOfADroppedFrameIsLoggedAtTheNextAcceptedFrame) {
  Feed(MakeFrame(2024, 12, 1, 10, 0, 0, 'A'));
  std::string dropped = MakeFrame(2024, 12, 1, 10, 0, 1, 'V');
  dropped[40] = '?';
  Feed(dropped);
  EXPECT_FALSE(sim.program.Lock().Locked());
  EXPECT_EQ(sim.program.window.Label6.Caption(), "卫星未锁定");
  Feed(MakeFrame(2024, 12, 1, 10, 0, 2, 'V'));
  EXPECT_EQ(LogFile(), GbkLine(2024, 12, 1, "10:0:1", kLocked) +
                           GbkLine(2024, 12, 1, "10:0:1", kRestored) +
                           GbkLine(2024, 12, 1, "10:0:2", kLost));
}

TEST_F(LockLog, LinesAreAppendedToAnExistingFile) {
  sim.platform.files.Put("跟踪记录.txt", "earlier\r\n");
  Feed(MakeFrame(2024, 12, 1, 10, 0, 0, 'V'));
  EXPECT_EQ(LogFile(), "earlier\r\n" + GbkLine(2024, 12, 1, "10:0:0", kLost));
}

TEST_F(LockLog, LogViewShowsEachLineBelowItsHeading) {
  Feed(MakeFrame(2024, 12, 1, 10, 0, 0, 'V'));
  Feed(MakeFrame(2024, 12, 1, 10, 0, 1, 'A'));
  EXPECT_EQ(sim.program.window.text1.Text(),
            "跟踪记录\r\n\r\n2024年12月1日   10:0:0  :  卫星失锁\r\n"
            "2024年12月1日   10:0:2  :  卫星恢复锁定");
}

TEST_F(LockLog, UnwritableFileLeavesTheReceiverGoingAndSaysSoOnce) {
  sim.platform.files.SetWritable("跟踪记录.txt", false);
  Feed(MakeFrame(2024, 12, 1, 10, 0, 0, 'V'));
  Feed(MakeFrame(2024, 12, 1, 10, 0, 1, 'A'));
  EXPECT_TRUE(sim.program.Lock().PrevLocked());
  EXPECT_FALSE(sim.program.Lock().FirstStatusPending());
  EXPECT_EQ(sim.program.Lock().LogLine(), "2024年12月1日   10:0:2  :  卫星恢复锁定");
  EXPECT_EQ(ViewLines(),
            (std::deque<std::string>{"2024年12月1日   10:0:0  :  卫星失锁", "跟踪记录文件写入失败",
                                     "2024年12月1日   10:0:2  :  卫星恢复锁定"}));

  // Writable again: the next line reaches the file; a later failure is reported once more.
  sim.platform.files.SetWritable("跟踪记录.txt", true);
  Feed(MakeFrame(2024, 12, 1, 10, 0, 2, 'V'));
  EXPECT_EQ(LogFile(), GbkLine(2024, 12, 1, "10:0:2", kLost));
  sim.platform.files.SetWritable("跟踪记录.txt", false);
  Feed(MakeFrame(2024, 12, 1, 10, 0, 3, 'A'));
  EXPECT_EQ(ViewLines().back(), "跟踪记录文件写入失败");
  EXPECT_EQ(std::count(ViewLines().begin(), ViewLines().end(), "跟踪记录文件写入失败"), 2);
}

}  // namespace
}  // namespace gpsclock
