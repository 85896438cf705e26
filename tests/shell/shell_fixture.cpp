// The shell tests' fixture and the event loop helper.
#include "shell_fixture.h"

#include <QTimer>

namespace gpsclock {

void ShellTest::Start(const std::string& config, Nanoseconds pcTime) {
  shell = std::make_unique<DesktopShell>(program, trayIcon);
  simulated.Start(config, pcTime);
  Form1().show();
}

void ShellTest::Click(const char* menuItem) {
  QAction* action = Form1().findChild<QAction*>(menuItem);
  ASSERT_NE(action, nullptr) << menuItem;
  action->trigger();
}

int RunEventLoop(const std::function<void()>& action, int limitMs) {
  QTimer limit;
  limit.setSingleShot(true);
  QObject::connect(&limit, &QTimer::timeout, [] { QCoreApplication::exit(kTimeLimitExitCode); });
  limit.start(limitMs);
  QTimer::singleShot(0, action);
  return QApplication::exec();
}

}  // namespace gpsclock
