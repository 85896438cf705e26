// The handler only writes a byte into a pipe, which is all a signal handler may safely do; the
// pipe's reading end wakes the event loop.
#include "platform/qt/ending_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>

namespace gpsclock {
namespace {

constexpr std::array kEndingSignals = {SIGTERM, SIGINT, SIGHUP};

// The pipe's writing end, for the handler; one per process, as the handlers are. The pipe stays
// open as long as the process, so a signal that comes while the program ends finds it still.
int signalPipeWriteEnd = -1;

void WriteSignalByte(int) {
  const int savedErrno = errno;
  const char byte = 1;
  // A full pipe already holds a byte that will end the program.
  [[maybe_unused]] const ssize_t written = write(signalPipeWriteEnd, &byte, 1);
  errno = savedErrno;
}

}  // namespace

bool EndingSignals::Catch(std::function<void()> end) {
  std::array<int, 2> ends{};
  if (pipe2(ends.data(), O_CLOEXEC | O_NONBLOCK) != 0) return false;
  signalPipeWriteEnd = ends[1];
  end_ = std::move(end);
  notifier_ = std::make_unique<QSocketNotifier>(ends[0], QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this, ends] {
    std::array<char, 16> bytes{};
    while (read(ends[0], bytes.data(), bytes.size()) > 0) {
    }
    end_();
  });
  struct sigaction action {};
  action.sa_handler = WriteSignalByte;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : kEndingSignals) {
    if (sigaction(signal, &action, nullptr) != 0) return false;
  }
  return true;
}

}  // namespace gpsclock
