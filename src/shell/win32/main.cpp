// gpsclock.exe: the Windows platform, the core and the Win32 windows, then the message loop.
#include <windows.h>

#include <string>

#include "platform/win32/code_page_text_encoder.h"
#include "platform/win32/folder_copy.h"
#include "platform/win32/no_time_server.h"
#include "platform/win32/program_directory.h"
#include "platform/win32/ui_thread_tasks.h"
#include "platform/win32/win32_directory_files.h"
#include "platform/win32/win32_local_clock.h"
#include "platform/win32/win32_notification_icon.h"
#include "platform/win32/win32_serial_layer.h"
#include "platform/win32/win32_ui_timer.h"
#include "receiver/program.h"
#include "shell/win32/desktop_shell.h"
#include "shell/win32/program_icons.h"
#include "shell/win32/second_start.h"

namespace {

constexpr int kTimerPeriodMs = 100;

}  // namespace

int main() {
  using namespace gpsclock;
  // Without its own directory the program still runs; its files then go to the working directory.
  const std::string programDirectory = ProgramDirectory().value_or(".");
  // A second start in the same folder ends here, before it opens a port or touches a file.
  FolderCopy folderCopy(programDirectory);
  if (const FolderCopy::Start found = folderCopy.Claim(); found != FolderCopy::Start::kFirst) {
    return EndSecondStart(found);
  }
  // The tasks outlive the serial layer, whose reader thread posts to them.
  const auto tasks = UiThreadTasks::Create();
  const auto timer1 = Win32UiTimer::Create(kTimerPeriodMs, true);
  // Runs from creation; its first tick ends a blink that never began and stops it.
  const auto timer2 = Win32UiTimer::Create(kTimerPeriodMs, true);
  const auto signalWatch = Win32UiTimer::Create(kTimerPeriodMs, false);
  const auto portRetry = Win32UiTimer::Create(kTimerPeriodMs, false);
  // The timers and the port's hand-over ride on message windows; without them nothing could run.
  if (!tasks || !timer1 || !timer2 || !signalWatch || !portRetry) return 1;
  Win32SerialLayer serial(tasks->Poster());
  Win32LocalClock clock;
  Win32DirectoryFiles files(programDirectory);
  CodePageTextEncoder encoder;
  NoTimeServer samples;
  Program program(
      {serial, clock, *timer1, *timer2, *signalWatch, *portRetry, files, encoder, samples});

  Win32NotificationIcon trayIcon(Globe().small);
  DesktopShell shell(program, trayIcon);
  if (shell.Form1().Handle() == nullptr) return 1;
  folderCopy.SetBringForwardHandler([&shell] {
    shell.Form1().RestoreFromTray();
    return true;
  });
  program.StartUp();
  shell.Form1().Show();
  return shell.RunMessageLoop();
}
