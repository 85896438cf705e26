// A private X display (Xvfb) for the tests that drive the program's window.
#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "harness/child_process.h"

namespace gpsclock::e2e {

class XDisplay {
 public:
  // Starts Xvfb on a display number it finds free, so that tests can run side by side.
  explicit XDisplay(const std::string& folder);

  // ":N" once the server is ready; nothing when it did not start.
  const std::optional<std::string>& Name() const { return name_; }

 private:
  std::unique_ptr<ChildProcess> server_;
  std::optional<std::string> name_;
};

// Runs a short X client (xdotool, the selection reader) on `display` to its end; its standard
// output, nothing when it failed.
std::optional<std::string> RunOnDisplay(const std::string& display,
                                        const std::vector<std::string>& arguments);
// The ids of the shown windows whose titles match the regular expression `titlePattern`.
std::vector<std::string> ShownWindows(const std::string& display, const std::string& titlePattern);
// The id of a shown window whose title matches the regular expression `titlePattern`; nothing
// while none is shown.
std::optional<std::string> ShownWindow(const std::string& display, const std::string& titlePattern);
// Whether no shown window's title matches `titlePattern` within `timeout`.
bool WaitForNoShownWindow(const std::string& display, const std::string& titlePattern,
                          std::chrono::milliseconds timeout);
// The same, once there is one within `timeout`.
std::optional<std::string> WaitForShownWindow(const std::string& display,
                                              const std::string& titlePattern,
                                              std::chrono::milliseconds timeout);

}  // namespace gpsclock::e2e
