// trayer without a window manager: a plain panel at the top right, no dock type, no strut.
#include "harness/notification_area.h"

#include <thread>

#include "harness/x_display.h"

namespace gpsclock::e2e {
namespace {

constexpr std::chrono::seconds kStartTimeout{10};
constexpr std::chrono::milliseconds kPollInterval{20};
// The icon is 22 x 22 pixels at least.
constexpr char kIconMiddle[] = "11";

std::optional<std::string> ShownWindowOfClass(const std::string& display,
                                              const std::string& windowClass) {
  const auto found =
      RunOnDisplay(display, {"xdotool", "search", "--onlyvisible", "--class", windowClass});
  if (!found || found->empty()) return {};
  return found->substr(0, found->find('\n'));
}

bool ButtonOverIcon(const std::string& display, const std::string& icon, const char* action,
                    int button) {
  // Without --sync, which waits for the pointer to move and so for ever when it is there already.
  return RunOnDisplay(display, {"xdotool", "mousemove", "--window", icon, kIconMiddle, kIconMiddle,
                                action, std::to_string(button)})
      .has_value();
}

}  // namespace

NotificationArea::NotificationArea(const std::string& display, const std::string& folder)
    : panel_({"trayer", "--edge", "top", "--align", "right", "--widthtype", "pixel", "--width",
              "100", "--height", "24", "--SetDockType", "false", "--SetPartialStrut", "false"},
             {"PATH=/usr/bin:/bin", "DISPLAY=" + display}, folder + "/trayer.out",
             folder + "/trayer.err") {
  const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
  while (panel_.Running() && std::chrono::steady_clock::now() < deadline) {
    if (ShownWindowOfClass(display, "trayer")) {
      shown_ = true;
      return;
    }
    std::this_thread::sleep_for(kPollInterval);
  }
}

std::optional<std::string> WaitForTrayIcon(const std::string& display,
                                           std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (std::chrono::steady_clock::now() < deadline) {
    if (auto icon = ShownWindowOfClass(display, "gpsclock")) return icon;
    std::this_thread::sleep_for(kPollInterval);
  }
  return {};
}

bool PressOverIcon(const std::string& display, const std::string& icon, int button) {
  return ButtonOverIcon(display, icon, "mousedown", button);
}

bool ReleaseOverIcon(const std::string& display, const std::string& icon, int button) {
  return ButtonOverIcon(display, icon, "mouseup", button);
}

}  // namespace gpsclock::e2e
