// The log view is the only widget that takes the keyboard focus, so keys sent to the window
// outside the menu bar reach it.
#include "harness/main_window_driver.h"

#include <thread>
#include <vector>

#include "harness/built_programs.h"
#include "harness/child_process.h"

namespace gpsclock::e2e {
namespace {

constexpr std::chrono::milliseconds kPollInterval{10};
// The main window's title begins with these letters; no other shown window's does.
constexpr char kTitlePattern[] = "^GPS";
// Time for the menu bar to take the keyboard after Alt alone.
constexpr char kMenuBarDelaySeconds[] = "0.2";

}  // namespace

bool MainWindowDriver::WaitForWindow(std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (std::chrono::steady_clock::now() < deadline) {
    const auto found = Run({"xdotool", "search", "--onlyvisible", "--name", kTitlePattern});
    if (found && !found->empty()) {
      window_ = found->substr(0, found->find('\n'));
      return true;
    }
    std::this_thread::sleep_for(kPollInterval);
  }
  return false;
}

bool MainWindowDriver::ChooseMenuCommand(int position) {
  std::vector<std::string> arguments{"xdotool", "windowfocus", "--sync", window_,
                                     "key",     "alt",         "sleep",  kMenuBarDelaySeconds,
                                     "key"};
  for (int step = 0; step < position; ++step) arguments.push_back("Right");
  arguments.push_back("Return");
  return Run(arguments).has_value();
}

std::optional<std::string> MainWindowDriver::LogViewText() {
  if (!Run({"xdotool", "windowfocus", "--sync", window_, "key", "ctrl+a"})) return {};
  return Run({kBuiltSelectionReader});
}

std::optional<std::string> MainWindowDriver::Run(const std::vector<std::string>& arguments) const {
  return CommandOutput(arguments, {"PATH=/usr/bin:/bin", "LANG=C.UTF-8", "QT_QPA_PLATFORM=xcb",
                                   "DISPLAY=" + display_});
}

}  // namespace gpsclock::e2e
