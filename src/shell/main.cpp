// The program's entry point: the real platform, the core and the windows, then the event loop.
#include <QApplication>

#include "platform/posix/chrony_sample_socket.h"
#include "platform/posix/directory_files.h"
#include "platform/posix/posix_local_clock.h"
#include "platform/posix/program_directory.h"
#include "platform/qt/qt_notification_icon.h"
#include "platform/qt/qt_serial_layer.h"
#include "platform/qt/qt_ui_timer.h"
#include "receiver/program.h"
#include "shell/application_setup.h"
#include "shell/desktop_shell.h"
#include "shell/globe_icon.h"

namespace {

constexpr int kTimerPeriodMs = 100;

}  // namespace

int main(int argc, char* argv[]) {
  using namespace gpsclock;
  QApplication application(argc, argv);
  SetUpApplication();

  // Without its own directory the program still runs; its files then go to the working directory.
  const std::string programDirectory = ProgramDirectory().value_or(".");
  QtSerialLayer serial(programDirectory);
  PosixLocalClock clock;
  QtUiTimer timer1(kTimerPeriodMs, true);
  // Runs from creation; its first tick ends a blink that never began and stops it.
  QtUiTimer timer2(kTimerPeriodMs, true);
  QtUiTimer frameExpiry(kTimerPeriodMs, false);
  DirectoryFiles files(programDirectory);
  ChronySampleSocket timeServer(programDirectory);
  Program program({serial, clock, timer1, timer2, frameExpiry, files, timeServer});

  QtNotificationIcon trayIcon(GlobeIcon());
  DesktopShell shell(program, trayIcon);
  program.StartUp();
  shell.Form1().show();
  return QApplication::exec();
}
