// SIGTERM, SIGINT and SIGHUP (systemctl stop, Ctrl-C, the end of a login) reach the program as an
// event of its event loop, so that it can end as its exit command does instead of being cut off.
#pragma once

#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace gpsclock {

class EndingSignals {
 public:
  // Call after the application object is made. From now on each of the three signals calls `end`
  // from the event loop. False when they could not be caught: they then end the program at once,
  // as by default.
  bool Catch(std::function<void()> end);

 private:
  std::unique_ptr<QSocketNotifier> notifier_;
  std::function<void()> end_;
};

}  // namespace gpsclock
