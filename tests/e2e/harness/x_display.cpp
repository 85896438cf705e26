// Xvfb writes the number it chose to its standard output once it accepts clients; access
// control is off, because the program runs as another user than the tests that drive it.
#include "harness/x_display.h"

#include <fstream>
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
                               "-nolisten", "tcp", "-ac"},
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

}  // namespace gpsclock::e2e
