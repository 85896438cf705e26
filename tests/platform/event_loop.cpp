// One QCoreApplication for the whole test program, made the first time a test needs events.
#include "event_loop.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>

namespace gpsclock {
namespace {

constexpr int kDeadlineMs = 10'000;
constexpr int kWakeUpMs = 20;
constexpr int kPendingRounds = 100;

}  // namespace

void EnsureApplication() {
  static int argc = 1;
  static char name[] = "platform_tests";
  static char* argv[] = {name, nullptr};
  static QCoreApplication application(argc, argv);
}

bool RunEventsUntil(const std::function<bool()>& done) {
  EnsureApplication();
  const QDeadlineTimer deadline(kDeadlineMs);
  // Waiting for events would never look at the deadline if nothing else happened.
  QTimer wakeUp;
  wakeUp.start(kWakeUpMs);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  return true;
}

void RunPendingEvents() {
  EnsureApplication();
  for (int round = 0; round < kPendingRounds; ++round) QCoreApplication::processEvents();
}

}  // namespace gpsclock
