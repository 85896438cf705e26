// The layer runs as in the program: a COMn link to the device, Qt's event loop on this thread. A
// device thread writes the bytes, so that the writes do not wait for the event loop either.
#include "port_read_latency.h"

#include <pty.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QTimer>
#include <chrono>
#include <thread>

#include "harness/clock_plan.h"
#include "platform/posix/termios_serial_layer.h"
#include "platform/qt/qt_ui_thread_post.h"

namespace gpsclock::bench {
namespace {

using e2e::MonotonicNs;

constexpr std::chrono::milliseconds kBusyPeriod{6};
constexpr std::chrono::milliseconds kBusySlice{3};
constexpr std::chrono::milliseconds kWakeUp{50};
constexpr std::chrono::seconds kDeadlineMargin{10};

void EnsureApplication() {
  static int argc = 1;
  static char name[] = "bench_latency";
  static char* argv[] = {name, nullptr};
  static QCoreApplication application(argc, argv);
}

// 8 to 12 ms, so the writes fall at every phase of the busy work.
std::chrono::microseconds GapBefore(int byte) {
  return std::chrono::microseconds(8'000 + (byte * 1'237) % 4'000);
}

void Run(int master, const std::string& directory, int bytes, bool busyUiThread,
         PortReadLatencies& result) {
  TermiosSerialLayer layer(directory, QtPostToUiThread());
  std::vector<std::int64_t> writesNs(static_cast<std::size_t>(bytes));
  std::vector<std::int64_t> stampsNs;
  std::vector<std::int64_t> handledNs;
  layer.SetCommHandler([&](CommEvent event) {
    if (event != CommEvent::kReceive) return;
    handledNs.push_back(MonotonicNs());
    stampsNs.push_back(layer.InputArrival().monotonicNs);
  });
  if (!layer.Open()) {
    result.problems.push_back("the layer did not open the pseudo-terminal");
    return;
  }
  QTimer busy;
  QObject::connect(&busy, &QTimer::timeout, [] {
    const auto end = std::chrono::steady_clock::now() + kBusySlice;
    while (std::chrono::steady_clock::now() < end) {
    }
  });
  if (busyUiThread) busy.start(kBusyPeriod);
  QTimer wakeUp;
  wakeUp.start(kWakeUp);

  std::thread device([&] {
    for (int byte = 0; byte < bytes; ++byte) {
      std::this_thread::sleep_for(GapBefore(byte));
      writesNs[static_cast<std::size_t>(byte)] = MonotonicNs();
      if (write(master, "x", 1) != 1) return;
    }
  });
  const auto deadline =
      std::chrono::steady_clock::now() + GapBefore(0) * bytes * 2 + kDeadlineMargin;
  while (handledNs.size() < static_cast<std::size_t>(bytes) &&
         std::chrono::steady_clock::now() < deadline) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  device.join();
  if (handledNs.size() != static_cast<std::size_t>(bytes)) {
    result.problems.push_back(std::to_string(handledNs.size()) + " of " + std::to_string(bytes) +
                              " bytes received");
    return;
  }
  for (std::size_t byte = 0; byte < handledNs.size(); ++byte) {
    result.writeToStampNs.push_back(stampsNs[byte] - writesNs[byte]);
    result.writeToHandlerNs.push_back(handledNs[byte] - writesNs[byte]);
  }
}

}  // namespace

// The test's own descriptor of the slave keeps the pseudo-terminal up while the layer is closed.
PortReadLatencies MeasurePortReadLatencies(int bytes, bool busyUiThread) {
  PortReadLatencies result;
  EnsureApplication();
  int master = -1;
  int slave = -1;
  char slavePath[256] = "";
  if (openpty(&master, &slave, slavePath, nullptr, nullptr) != 0) {
    result.problems.push_back("no pseudo-terminal");
    return result;
  }
  char directory[] = "/tmp/gpsclock-bench-XXXXXX";
  if (mkdtemp(directory) == nullptr) {
    result.problems.push_back("no program directory");
  } else {
    const std::string link = std::string(directory) + "/COM1";
    if (symlink(slavePath, link.c_str()) != 0) {
      result.problems.push_back("no COM1 link");
    } else {
      Run(master, directory, bytes, busyUiThread, result);
      unlink(link.c_str());
    }
    rmdir(directory);
  }
  close(slave);
  close(master);
  return result;
}

}  // namespace gpsclock::bench
