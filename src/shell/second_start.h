// A second start in a program folder where the program already runs: the running copy's window
// comes forward, or the user is told that the running copy has no window.
#pragma once

#include "platform/qt/folder_copy.h"
#include "shell/main_window.h"

namespace gpsclock {

inline constexpr char kRunsWithoutWindowText[] =
    "本文件夹中的对时程序已在无窗口运行(gpsclock 服务)，不再打开第二个。";

// What the running copy does when a later start asks: brings `form1` forward, shown again if it
// was hidden in the tray; false when the program runs without a window.
bool BringForwardForSecondStart(MainWindow& form1);
// Ends a later start: says so in a message box (on standard error where this start has no window
// either) when the running copy has none. The program's exit status: 0 when the running copy came
// forward, 1 otherwise.
int EndSecondStart(FolderCopy::Start found);

}  // namespace gpsclock
