// A window that comes to the front is the answer a Windows user expects from a second start; a
// message box would only stand in its way. The debug string is for whoever watches (DebugView, or
// Wine's debugstr channel, which shows only the narrow call's strings, hence its ASCII text).
#include "shell/win32/second_start.h"

#include <windows.h>

#include "shell/layout/program_title.h"
#include "shell/win32/screen_text.h"

namespace gpsclock {

int EndSecondStart(FolderCopy::Start found) {
  if (found == FolderCopy::Start::kOtherBroughtForward) {
    OutputDebugStringA("gpsclock: the copy running in this folder came forward; this start ends\n");
    return 0;
  }
  MessageBoxW(nullptr, ScreenText(kRunningCopyNotReachedText).c_str(),
              ScreenText(kProgramTitle).c_str(), MB_OK | MB_ICONINFORMATION);
  return 1;
}

}  // namespace gpsclock
