// The log view is the only widget that takes the keyboard focus, so keys sent to the window
// outside the menu bar reach it.
#include "harness/main_window_driver.h"

#include <vector>

#include "harness/built_programs.h"
#include "harness/x_display.h"

namespace gpsclock::e2e {
namespace {

// Time for the menu bar to take the keyboard after Alt alone.
constexpr char kMenuBarDelaySeconds[] = "0.2";

}  // namespace

bool MainWindowDriver::WaitForWindow(std::chrono::milliseconds timeout) {
  const auto found = WaitForShownWindow(display_, kMainWindowTitlePattern, timeout);
  if (found) window_ = *found;
  return found.has_value();
}

bool MainWindowDriver::ChooseMenuCommand(int position) {
  std::vector<std::string> arguments{"xdotool", "windowfocus", "--sync", window_,
                                     "key",     "alt",         "sleep",  kMenuBarDelaySeconds,
                                     "key"};
  for (int step = 0; step < position; ++step) arguments.push_back("Right");
  arguments.push_back("Return");
  return RunOnDisplay(display_, arguments).has_value();
}

bool MainWindowDriver::HideToTray() {
  // Enter opens 文件 with its first item, 隐藏, chosen; the second Enter carries it out.
  return ChooseMenuCommand(0) &&
         RunOnDisplay(display_, {"xdotool", "sleep", kMenuBarDelaySeconds, "key", "Return"});
}

std::optional<std::string> MainWindowDriver::LogViewText() {
  if (!RunOnDisplay(display_, {"xdotool", "windowfocus", "--sync", window_, "key", "ctrl+a"})) {
    return {};
  }
  return RunOnDisplay(display_, {kBuiltSelectionReader});
}

}  // namespace gpsclock::e2e
