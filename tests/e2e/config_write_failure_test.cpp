// Black-box: config.cfg cannot be written when 确   定 is pressed in the settings dialog. The
// dialog stays open and the file stays as it was; 取   消 closes the dialog; once the file can be
// written again, 确   定 writes it and closes the dialog.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "checked_scenario.h"
#include "harness/main_window_driver.h"
#include "harness/settings_dialog_driver.h"

namespace gpsclock::e2e {
namespace {

constexpr std::chrono::seconds kTimeout{20};
// Time for a click to be handled: a dialog that was to close has closed by then.
constexpr std::chrono::milliseconds kClickHandled{1000};

struct UnwritableCase {
  const char* name;
  const char* configBefore;  // nullptr: no file, in a read-only program folder
  const char* configWritten;
};

class ConfigWriteFailureTest : public testing::TestWithParam<UnwritableCase> {};

TEST_P(ConfigWriteFailureTest, OkKeepsTheDialogOpenAndTheFileAsItWas) {
  const UnwritableCase& unwritable = GetParam();
  Scenario scenario;
  scenario.onDisplay = true;
  scenario.programStartsAtOnce = false;
  ScenarioRun run(scenario);
  const std::string config = run.Folder().Path("config.cfg");
  const bool fileReadOnly = unwritable.configBefore != nullptr;
  const std::string readOnly = fileReadOnly ? config : run.Folder().Path("");
  if (fileReadOnly) {
    run.Folder().Write(config, unwritable.configBefore);
  } else {
    std::filesystem::remove(config);
  }
  ASSERT_EQ(chmod(readOnly.c_str(), fileReadOnly ? 0444 : 0555), 0);
  const std::string before = run.Folder().Read(config);
  ASSERT_TRUE(run.StartProgram()) << run.StartProblem();
  MainWindowDriver window(run.DisplayName());
  ASSERT_TRUE(window.WaitForWindow(kTimeout));
  SettingsDialogDriver dialog(run.DisplayName());

  ASSERT_TRUE(window.ChooseMenuCommand(kSetPortMenuPosition));
  ASSERT_TRUE(dialog.WaitForDialog(kTimeout));
  ASSERT_TRUE(dialog.PressOk());
  std::this_thread::sleep_for(kClickHandled);
  EXPECT_TRUE(dialog.Shown());
  EXPECT_EQ(run.Folder().Read(config), before);
  EXPECT_EQ(std::filesystem::exists(config), fileReadOnly);
  ASSERT_TRUE(dialog.PressCancel());
  EXPECT_TRUE(dialog.WaitForClose(kTimeout));
  EXPECT_EQ(run.Folder().Read(config), before);

  // The same clicks write the file once it can be written: the dialog stayed open for the failure.
  ASSERT_EQ(chmod(readOnly.c_str(), fileReadOnly ? 0644 : 0755), 0);
  ASSERT_TRUE(window.ChooseMenuCommand(kSetPortMenuPosition));
  ASSERT_TRUE(dialog.WaitForDialog(kTimeout));
  ASSERT_TRUE(dialog.PressOk());
  EXPECT_TRUE(dialog.WaitForClose(kTimeout));
  EXPECT_EQ(run.Folder().Read(config), unwritable.configWritten);

  // Without a configured port the simulator waits for a reader that never comes.
  run.Simulator().Stop();
  EXPECT_TRUE(FinishChecked(run).programRanToTheEnd);
}

INSTANTIATE_TEST_SUITE_P(
    Unwritable, ConfigWriteFailureTest,
    testing::Values(
        // OK writes field 3 as 0 whatever it held, so the file written differs from the one before.
        UnwritableCase{"ReadOnlyConfigFile", "4,1,1,3\r\n", "4,1,0,3\r\n"},
        // No file: the dialog shows the defaults, port 1 at 9600 with 5 days.
        UnwritableCase{"ReadOnlyProgramFolderWithoutConfigFile", nullptr, "4,1,0,5\r\n"}),
    [](const testing::TestParamInfo<UnwritableCase>& info) {
      return std::string(info.param.name);
    });

}  // namespace
}  // namespace gpsclock::e2e
