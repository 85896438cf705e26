// The Win32 shell tests' fixture.
#include "win32_shell_fixture.h"

#include "config/config_file.h"
#include "shell/win32/screen_text.h"

namespace gpsclock {

void Win32ShellTest::Start(const std::string& config, Nanoseconds pcTime) {
  if (!config.empty()) {
    ASSERT_TRUE(files.Replace(kConfigFileName, config));
  }
  platform.clock.SetTime(pcTime);
  shell = std::make_unique<DesktopShell>(program, trayIcon);
  program.StartUp();
  shell->Form1().Show();
}

void Win32ShellTest::Click(MainMenuItem item) {
  SendMessageW(Form1(), WM_COMMAND, static_cast<WPARAM>(kFirstMenuCommand + IndexOf(item)), 0);
}

std::optional<int> Win32ShellTest::HandleMessages() {
  std::optional<int> quit;
  for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) {
    if (message.message == WM_QUIT) {
      quit = static_cast<int>(message.wParam);
    } else {
      shell->Dispatch(message);
    }
  }
  return quit;
}

std::string Win32ShellTest::MenuCaption(MainMenuItem item) {
  wchar_t caption[64] = {};
  GetMenuStringW(GetMenu(Form1()), static_cast<UINT>(kFirstMenuCommand + IndexOf(item)), caption,
                 static_cast<int>(std::size(caption)), MF_BYCOMMAND);
  return Utf8Text(caption);
}

}  // namespace gpsclock
