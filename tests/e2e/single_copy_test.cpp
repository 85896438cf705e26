// Black-box: one running copy per program folder. A second start in the folder brings the running
// copy's window forward, out of the tray if it was hidden there, and ends at once; beside a copy
// without a window it says so in a message box and ends with status 1; a copy in another folder
// runs side by side. Where no display can be opened, the program says so in one line.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <thread>

#include "harness/main_window_driver.h"
#include "harness/notification_area.h"
#include "harness/program_folder.h"
#include "harness/program_run.h"
#include "harness/unprivileged.h"
#include "harness/x_display.h"

namespace gpsclock::e2e {
namespace {

constexpr std::chrono::seconds kTimeout{10};
// The running copy answers from its event loop at once; a start that finds it ends this soon.
constexpr std::chrono::seconds kSecondStartTimeout{3};

std::optional<int> ExitCode(ProgramRun& run, std::chrono::milliseconds timeout) {
  const std::optional<int> status = run.Process().WaitForExit(timeout);
  if (!status || !WIFEXITED(*status)) return {};
  return WEXITSTATUS(*status);
}

bool WaitForFile(const std::string& path) {
  const auto deadline = std::chrono::steady_clock::now() + kTimeout;
  while (!std::filesystem::exists(path)) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

class SingleCopyTest : public testing::Test {
 protected:
  ProgramFolder folder;
  XDisplay display{folder.TestFile("")};
  std::string Display() const { return display.Name().value_or(""); }
};

TEST_F(SingleCopyTest, SecondStartBringsTheHiddenWindowBackAndEndsAtOnce) {
  ASSERT_TRUE(display.Name());
  NotificationArea area(Display(), folder.TestFile(""));
  ASSERT_TRUE(area.Shown());
  ProgramRun first(folder, {}, Display());
  MainWindowDriver window(Display());
  ASSERT_TRUE(window.WaitForWindow(kTimeout));
  ASSERT_TRUE(window.HideToTray());
  ASSERT_TRUE(WaitForNoShownWindow(Display(), kMainWindowTitlePattern, kTimeout));

  ProgramRun second(folder, {}, Display(), "second");
  EXPECT_EQ(ExitCode(second, kSecondStartTimeout), 0);
  EXPECT_TRUE(WaitForShownWindow(Display(), kMainWindowTitlePattern, kTimeout));

  // With the window shown a third start ends as well, and there is still one window.
  ProgramRun third(folder, {}, Display(), "third");
  EXPECT_EQ(ExitCode(third, kSecondStartTimeout), 0);
  EXPECT_EQ(ShownWindows(Display(), kMainWindowTitlePattern).size(), 1u);
  EXPECT_TRUE(first.Running());
}

TEST_F(SingleCopyTest, SecondStartBesideACopyWithoutWindowSaysSoAndEnds) {
  ASSERT_TRUE(display.Name());
  // Without a window the program runs only for a port that config.cfg names: here one whose
  // device is not there, which it goes on trying.
  folder.Write(folder.Path("config.cfg"), "4,1,0,5\r\n");
  ASSERT_EQ(symlink(folder.TestFile("no-device").c_str(), folder.Path("COM1").c_str()), 0);
  ProgramRun service(folder, {});
  // The running copy listens on a socket of its user's.
  ASSERT_TRUE(WaitForFile(folder.Path(".gpsclock-" + std::to_string(ProgramUser()) + ".socket")));

  ProgramRun second(folder, {}, Display(), "second");
  const auto box = WaitForShownWindow(Display(), kMainWindowTitlePattern, kTimeout);
  ASSERT_TRUE(box);
  EXPECT_TRUE(second.Running());
  // A main window would not end on Enter; the message box does, and the start with it.
  ASSERT_TRUE(RunOnDisplay(Display(), {"xdotool", "windowfocus", "--sync", *box, "key", "Return"}));
  EXPECT_EQ(ExitCode(second, kTimeout), 1);
  EXPECT_TRUE(service.Running());
}

TEST_F(SingleCopyTest, CopiesInTwoFoldersRunSideBySide) {
  ASSERT_TRUE(display.Name());
  ProgramFolder otherFolder;
  ProgramRun first(folder, {}, Display());
  ASSERT_TRUE(WaitForShownWindow(Display(), kMainWindowTitlePattern, kTimeout));
  ProgramRun other(otherFolder, {}, Display());
  const auto deadline = std::chrono::steady_clock::now() + kTimeout;
  while (ShownWindows(Display(), kMainWindowTitlePattern).size() < 2 &&
         std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  EXPECT_EQ(ShownWindows(Display(), kMainWindowTitlePattern).size(), 2u);
  EXPECT_TRUE(first.Running());
  EXPECT_TRUE(other.Running());
}

TEST(NoDisplayTest, WithoutADisplayTheProgramSaysSoInOneLineAndEndsWithStatusOne) {
  ProgramFolder folder;
  // A display number no server here answers on.
  ProgramRun run(folder, {}, ":4999");
  EXPECT_EQ(ExitCode(run, kTimeout), 1);
  const std::string error = run.ErrorOutput();
  EXPECT_NE(error.find("QT_QPA_PLATFORM=offscreen"), std::string::npos) << error;
  EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 1) << error;
}

}  // namespace
}  // namespace gpsclock::e2e
