// main_window_probe.exe: finds the running program's main window from outside, by its class and
// title, writes its log view's text to standard output in UTF-8 and closes the window.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <optional>
#include <string>

#include "platform/win32/wide_text.h"
#include "shell/layout/program_title.h"
#include "shell/win32/main_window.h"

namespace {

// The program may still be starting under a loaded Wine.
constexpr int kWaitForWindowMs = 30000;
constexpr int kPollMs = 100;

HWND WaitForMainWindow(const std::wstring& title) {
  for (int waited = 0; waited < kWaitForWindowMs; waited += kPollMs) {
    if (const HWND window = FindWindowW(gpsclock::kMainWindowClass, title.c_str())) return window;
    Sleep(kPollMs);
  }
  return nullptr;
}

// The main window's only edit control is its log view. Its text is asked for with messages, which
// cross to the program's process; GetWindowTextW would give another process's control no text.
std::optional<std::string> LogViewText(HWND window) {
  const HWND logView = FindWindowExW(window, nullptr, L"EDIT", nullptr);
  if (logView == nullptr) return {};
  std::wstring text(static_cast<std::size_t>(SendMessageW(logView, WM_GETTEXTLENGTH, 0, 0)) + 1,
                    L'\0');
  text.resize(static_cast<std::size_t>(
      SendMessageW(logView, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return gpsclock::FromWide(CP_UTF8, text);
}

}  // namespace

int main() {
  const auto title = gpsclock::ToWide(CP_UTF8, gpsclock::kProgramTitle);
  const HWND window = title ? WaitForMainWindow(*title) : nullptr;
  if (window == nullptr) {
    std::fputs("main_window_probe: no window of the program's class and title\n", stderr);
    return 1;
  }
  const auto text = LogViewText(window);
  if (!text) {
    std::fputs("main_window_probe: the main window's log view cannot be read\n", stderr);
    return 1;
  }
  _setmode(_fileno(stdout), _O_BINARY);
  std::fwrite(text->data(), 1, text->size(), stdout);
  return PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
}
