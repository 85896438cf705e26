// The program's entry point: the real platform, the core and the windows, then the event loop.
#include <QApplication>
#include <cstdio>
#include <optional>

#include "platform/posix/chrony_sample_socket.h"
#include "platform/posix/directory_files.h"
#include "platform/posix/iconv_text_encoder.h"
#include "platform/posix/posix_local_clock.h"
#include "platform/posix/program_directory.h"
#include "platform/posix/termios_serial_layer.h"
#include "platform/qt/display_opening.h"
#include "platform/qt/ending_signals.h"
#include "platform/qt/folder_copy.h"
#include "platform/qt/qt_notification_icon.h"
#include "platform/qt/qt_ui_thread_post.h"
#include "platform/qt/qt_ui_timer.h"
#include "receiver/program.h"
#include "shell/application_setup.h"
#include "shell/desktop_shell.h"
#include "shell/globe_icon.h"
#include "shell/second_start.h"
#include "shell/without_window.h"

namespace {

constexpr int kTimerPeriodMs = 100;
constexpr char kNoDisplayLine[] =
    "gpsclock: 无法打开显示(DISPLAY 未设置或连不上)。无窗口运行请设 QT_QPA_PLATFORM=offscreen，"
    "或启用 gpsclock 服务。";

}  // namespace

int main(int argc, char* argv[]) {
  using namespace gpsclock;
  // Without its own directory the program still runs; its files then go to the working directory.
  const std::string programDirectory = ProgramDirectory().value_or(".");
  KeepPluginsOutOfProgramFolder(programDirectory);
  std::optional<QApplication> application;
  {
    const DisplayOpening opening(kNoDisplayLine);
    application.emplace(argc, argv);
  }
  SetUpApplication();
  // The program ends as the exit command ends it: the event loop returns, and on the way out of
  // main the port is closed, the tray icon removed and the folder let go.
  EndingSignals endingSignals;
  if (!endingSignals.Catch([] { QCoreApplication::exit(0); })) {
    std::fputs("gpsclock: 无法接管 SIGTERM、SIGINT 和 SIGHUP，收到时程序将被直接终止。\n", stderr);
  }

  // A second start in the same folder ends here, before it opens a port or touches a file.
  FolderCopy folderCopy(programDirectory);
  if (const FolderCopy::Start found = folderCopy.Claim(); found != FolderCopy::Start::kFirst) {
    return EndSecondStart(found, folderCopy.Holder());
  }
  TermiosSerialLayer serial(programDirectory, QtPostToUiThread());
  PosixLocalClock clock;
  QtUiTimer timer1(kTimerPeriodMs, true);
  // Runs from creation; its first tick ends a blink that never began and stops it.
  QtUiTimer timer2(kTimerPeriodMs, true);
  QtUiTimer signalWatch(kTimerPeriodMs, false);
  QtUiTimer portRetry(kTimerPeriodMs, false);
  DirectoryFiles files(programDirectory);
  IconvTextEncoder encoder;
  ChronySampleSocket samples(programDirectory);
  Program program({serial, clock, timer1, timer2, signalWatch, portRetry, files, encoder, samples});

  QtNotificationIcon trayIcon(GlobeIcon());
  DesktopShell shell(program, trayIcon);
  folderCopy.SetBringForwardHandler([&shell] { return BringForwardForSecondStart(shell.Form1()); });
  program.StartUp();
  if (const std::optional<int> status = EndWithoutPort(program.Port())) return *status;
  shell.Form1().show();
  return QApplication::exec();
}
