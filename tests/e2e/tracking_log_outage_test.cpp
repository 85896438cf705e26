// Black-box: the tracking log cannot be written for a while (its file or the program folder read
// only, a FIFO without a reader, a full disk). The lines of those seconds cannot reach the file,
// but the log view shows them and says 跟踪记录文件写入失败 once; the lines after it reach the file
// again, whole, and the clock is set throughout, on time.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <utility>
#include <vector>

#include "checked_scenario.h"
#include "harness/main_window_driver.h"
#include "harness/small_file_system.h"
#include "harness/tracking_log_line.h"
#include "harness/unprivileged.h"

namespace gpsclock::e2e {
namespace {

constexpr char kLogWriteFailed[] = "跟踪记录文件写入失败";
constexpr std::chrono::seconds kTimeout{20};
constexpr int kFrames = 10;
// With the lock pattern AAVV the odd frames change the lock and write lines (the first one two);
// the even ones write none, so the test changes the modes after them without a race.
constexpr char kLockPattern[] = "AAVV";
const std::vector<std::pair<int, LockEvent>> kLockLines{
    {1, LockEvent::kLocked},   {1, LockEvent::kRestored}, {3, LockEvent::kLost},
    {5, LockEvent::kRestored}, {7, LockEvent::kLost},     {9, LockEvent::kRestored}};

enum class ReadOnly { kTrackingLog, kProgramFolder };

struct OutageCase {
  const char* name;
  ReadOnly readOnly;
  int unwritableAfterFrame;  // 0: from before the start
  int writableAfterFrame;
};

class TrackingLogOutageTest : public testing::TestWithParam<OutageCase> {};

// The entries of the log view after its heading and the empty line under it.
std::vector<std::string> LogViewEntries(const std::string& text) {
  std::vector<std::string> entries;
  std::istringstream lines(text);
  std::string line;
  for (int skipped = 0; skipped < 2 && std::getline(lines, line); ++skipped) {
  }
  while (std::getline(lines, line)) entries.push_back(line);
  return entries;
}

TEST_P(TrackingLogOutageTest, LinesOfTheOutageAreShownButNotWrittenAndTheOnesAfterItAreWritten) {
  const OutageCase& outage = GetParam();
  Scenario scenario;
  scenario.pcAheadSeconds = -5;
  scenario.onDisplay = true;
  scenario.programStartsAtOnce = false;
  scenario.simulatorOptions = {"--lock", kLockPattern, "--frames", std::to_string(kFrames)};
  ScenarioRun run(scenario);
  const std::string path = outage.readOnly == ReadOnly::kTrackingLog
                               ? run.Folder().Path(kTrackingLogName)
                               : run.Folder().Path("");
  const auto makeWritable = [&path, &outage](bool writable) {
    const mode_t file = writable ? 0644 : 0444;
    const mode_t folder = writable ? 0755 : 0555;
    return chmod(path.c_str(), outage.readOnly == ReadOnly::kTrackingLog ? file : folder) == 0;
  };
  if (outage.unwritableAfterFrame == 0) {
    ASSERT_TRUE(makeWritable(false));
  }
  ASSERT_TRUE(run.StartProgram()) << run.StartProblem();
  MainWindowDriver window(run.DisplayName());
  ASSERT_TRUE(window.WaitForWindow(kTimeout));
  if (outage.unwritableAfterFrame > 0) {
    ASSERT_TRUE(run.Simulator().WaitForFrames(outage.unwritableAfterFrame, kTimeout));
    ASSERT_TRUE(makeWritable(false));
  }
  ASSERT_TRUE(run.Simulator().WaitForFrames(outage.writableAfterFrame, kTimeout));
  ASSERT_TRUE(makeWritable(true));
  ASSERT_TRUE(run.Simulator().WaitForFrames(kFrames, kTimeout));
  const auto logView = window.LogViewText();
  const ScenarioOutcome outcome = FinishChecked(run);
  ASSERT_EQ(outcome.frames.size(), static_cast<std::size_t>(kFrames));

  std::string expectedFile;
  std::vector<std::string> expectedView;
  bool noticed = false;
  for (const auto& [frame, event] : kLockLines) {
    const SentFrame& sent = outcome.frames[frame - 1];
    expectedView.push_back(LogViewLine(sent, event));
    if (frame > outage.unwritableAfterFrame && frame <= outage.writableAfterFrame) {
      if (!noticed) expectedView.push_back(kLogWriteFailed);
      noticed = true;
    } else {
      expectedFile += TrackingLogLine(sent, event);
    }
  }
  EXPECT_EQ(outcome.trackingLog, expectedFile);
  ASSERT_TRUE(logView.has_value());
  EXPECT_EQ(LogViewEntries(*logView), expectedView) << *logView;
  EXPECT_TRUE(SetsAskedFor(outcome.clock, OutrightSetsAfter(outcome.frames, 0, 1)));
  EXPECT_TRUE(outcome.programRanToTheEnd);
}

// Opening a FIFO for writing waits for a reader, and the bytes of the device wait meanwhile. The
// program's opens never wait, so each line fails at once and every set keeps to the device's time.
TEST(TrackingLogFifoTest, AFifoWithoutAReaderFailsTheLinesAtOnceAndTheSetsStayOnTime) {
  constexpr std::int64_t kSetErrorLimitNs = 5 * kNanosecondsPerMillisecond;
  Scenario scenario;
  scenario.onDisplay = true;
  scenario.programStartsAtOnce = false;
  scenario.simulatorOptions = {"--lock", kLockPattern, "--frames", std::to_string(kFrames)};
  ScenarioRun run(scenario);
  const std::string log = run.Folder().Path(kTrackingLogName);
  ASSERT_EQ(mkfifo(log.c_str(), 0666), 0);
  ASSERT_EQ(chmod(log.c_str(), 0666), 0);
  ASSERT_TRUE(run.StartProgram()) << run.StartProblem();
  MainWindowDriver window(run.DisplayName());
  ASSERT_TRUE(window.WaitForWindow(kTimeout));
  ASSERT_TRUE(run.Simulator().WaitForFrames(kFrames, kTimeout));
  const auto logView = window.LogViewText();
  // The outcome reads the tracking log, which would wait for a writer while it is a FIFO.
  ASSERT_EQ(unlink(log.c_str()), 0);
  const ScenarioOutcome outcome = FinishChecked(run);
  ASSERT_EQ(outcome.frames.size(), static_cast<std::size_t>(kFrames));

  std::vector<std::string> expectedView;
  for (const auto& [frame, event] : kLockLines) {
    expectedView.push_back(LogViewLine(outcome.frames[frame - 1], event));
    if (expectedView.size() == 1) expectedView.push_back(kLogWriteFailed);
  }
  ASSERT_TRUE(logView.has_value());
  EXPECT_EQ(LogViewEntries(*logView), expectedView) << *logView;
  EXPECT_TRUE(SetsAskedFor(outcome.clock, OutrightSetsAfter(outcome.frames, 0, 1)));
  for (const ClockSet& set : outcome.clock.sets) {
    EXPECT_LT(std::abs(set.askedNs - DeviceTimeAt(outcome.frames, set.monotonicNs)),
              kSetErrorLimitNs);
  }
}

// On a full disk a write can stop part way through a line. The program cuts such a line off again,
// so the file never holds part of one, and the lines after the outage are whole.
TEST(TrackingLogFullDiskTest, ALineThatDoesNotFitLeavesNoPartAndTheLinesAfterItAreWhole) {
  constexpr std::size_t kPage = 4096;
  constexpr std::size_t kRoomLeft = 20;  // less than any line takes
  constexpr int kDiskFreedAfterFrame = 4;
  if (geteuid() != 0) GTEST_SKIP() << "mounting a small file system needs root";
  Scenario scenario;
  scenario.programStartsAtOnce = false;
  scenario.simulatorOptions = {"--lock", kLockPattern, "--frames", std::to_string(kFrames)};
  ScenarioRun run(scenario);
  const SmallFileSystem disk(run.Folder().TestFile("disk"), 2 * kPage, ProgramUser(),
                             ProgramGroup());
  if (!disk.Mounted()) GTEST_SKIP() << disk.Problem();
  // Two pages: the log fills all but kRoomLeft bytes of the first, the filler takes the second.
  const std::string before = std::string(kPage - kRoomLeft - 2, '-') + "\r\n";
  run.Folder().Write(disk.Path("log"), before);
  run.Folder().Write(disk.Path("filler"), std::string(kPage, '-'));
  ASSERT_EQ(symlink(disk.Path("log").c_str(), run.Folder().Path(kTrackingLogName).c_str()), 0);
  ASSERT_TRUE(run.StartProgram()) << run.StartProblem();
  ASSERT_TRUE(run.Simulator().WaitForFrames(kDiskFreedAfterFrame, kTimeout));
  ASSERT_EQ(unlink(disk.Path("filler").c_str()), 0);
  const ScenarioOutcome outcome = FinishChecked(run);
  ASSERT_EQ(outcome.frames.size(), static_cast<std::size_t>(kFrames));

  std::string expected = before;
  for (const auto& [frame, event] : kLockLines) {
    if (frame > kDiskFreedAfterFrame) expected += TrackingLogLine(outcome.frames[frame - 1], event);
  }
  EXPECT_EQ(outcome.trackingLog, expected);
  EXPECT_TRUE(SetsAskedFor(outcome.clock, OutrightSetsAfter(outcome.frames, 0, 1)));
}

INSTANTIATE_TEST_SUITE_P(
    Outages, TrackingLogOutageTest,
    testing::Values(
        // The file made read-only after the second frame and writable again after the sixth.
        OutageCase{"TrackingLogReadOnlyForFourSeconds", ReadOnly::kTrackingLog, 2, 6},
        // No file yet, and a folder the program may not create it in until after the fourth frame.
        OutageCase{"ProgramFolderReadOnlyUntilTheFourthSecond", ReadOnly::kProgramFolder, 0, 4}),
    [](const testing::TestParamInfo<OutageCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace gpsclock::e2e
