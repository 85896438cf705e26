// Xvfb writes the number it chose to its standard output once it accepts clients; access
// control is off, because the program runs as another user than the tests that drive it. The
// server never resets: by default it would each time its last client leaves, as every xdotool
// call does while the program is still starting, and the program's connection could meet the
// server in the middle of a reset and fail.
#include "harness/x_display.h"

#include <fstream>
#include <sstream>
#include <thread>

namespace gpsclock::e2e {
namespace {

constexpr std::chrono::seconds kStartTimeout{10};
constexpr std::chrono::milliseconds kPollInterval{20};

}  // namespace

XDisplay::XDisplay(const std::string& folder) {
  const std::string numberFile = folder + "/xvfb.out";
  server_ = std::make_unique<ChildProcess>(
      std::vector<std::string>{"Xvfb", "-displayfd", "1", "-screen", "0", "1024x768x24",
                               "-nolisten", "tcp", "-ac", "-noreset"},
      std::vector<std::string>{"PATH=/usr/bin:/bin"}, numberFile, folder + "/xvfb.err");
  const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
  while (server_->Running() && std::chrono::steady_clock::now() < deadline) {
    std::ifstream file(numberFile);
    std::string number;
    if (std::getline(file, number) && !file.eof()) {
      name_ = ":" + number;
      return;
    }
    std::this_thread::sleep_for(kPollInterval);
  }
}

std::optional<std::string> RunOnDisplay(const std::string& display,
                                        const std::vector<std::string>& arguments) {
  return CommandOutput(arguments, {"PATH=/usr/bin:/bin", "LANG=C.UTF-8", "QT_QPA_PLATFORM=xcb",
                                   "DISPLAY=" + display});
}

std::vector<std::string> ShownWindows(const std::string& display, const std::string& titlePattern) {
  const auto found =
      RunOnDisplay(display, {"xdotool", "search", "--onlyvisible", "--name", titlePattern});
  std::vector<std::string> windows;
  std::istringstream lines(found.value_or(""));
  for (std::string window; std::getline(lines, window);) windows.push_back(window);
  return windows;
}

std::optional<std::string> ShownWindow(const std::string& display,
                                       const std::string& titlePattern) {
  const std::vector<std::string> windows = ShownWindows(display, titlePattern);
  if (windows.empty()) return {};
  return windows.front();
}

std::optional<std::string> WaitForShownWindow(const std::string& display,
                                              const std::string& titlePattern,
                                              std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (std::chrono::steady_clock::now() < deadline) {
    if (auto window = ShownWindow(display, titlePattern)) return window;
    std::this_thread::sleep_for(kPollInterval);
  }
  return {};
}

bool WaitForNoShownWindow(const std::string& display, const std::string& titlePattern,
                          std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (std::chrono::steady_clock::now() < deadline) {
    if (!ShownWindow(display, titlePattern)) return true;
    std::this_thread::sleep_for(kPollInterval);
  }
  return false;
}

}  // namespace gpsclock::e2e
