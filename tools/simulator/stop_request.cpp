// The handler only sets a flag; the sending loop looks at it after every sleep.
#include "stop_request.h"

#include <csignal>

namespace gpsclock::simulator {
namespace {

volatile std::sig_atomic_t stopRequested = 0;

void RequestStop(int) {
  stopRequested = 1;
}

}  // namespace

void InstallStopHandlers() {
  struct sigaction action {};
  action.sa_handler = RequestStop;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGHUP, &action, nullptr);
}

bool StopRequested() {
  return stopRequested != 0;
}

}  // namespace gpsclock::simulator
