// A private X display (Xvfb) for the tests that drive the program's window.
#pragma once

#include <memory>
#include <optional>
#include <string>

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

}  // namespace gpsclock::e2e
