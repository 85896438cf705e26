// A second start in a program folder where the program already runs: the running copy's window
// comes forward, or the user is told that a copy runs and which.
#pragma once

#include <optional>

#include "platform/posix/folder_claim.h"
#include "platform/qt/folder_copy.h"
#include "shell/main_window.h"

namespace gpsclock {

inline constexpr char kBroughtForwardText[] =
    "本文件夹中的对时程序已在运行，已把它的窗口调到前面。";
inline constexpr char kRunsWithoutWindowText[] =
    "本文件夹中的对时程序已在无窗口运行(gpsclock 服务)，不再打开第二个。";
// Around the running copy's process and user, where they are known.
inline constexpr char kOtherCopyRunsText[] = "本文件夹中已有一个对时程序在运行";
inline constexpr char kNoSecondCopyText[] = "，不再打开第二个。";

// What the running copy does when a later start asks: brings `form1` forward, shown again if it
// was hidden in the tray; false when the program runs without a window.
bool BringForwardForSecondStart(MainWindow& form1);
// Ends a later start: says why in one line on standard error and, where the running copy did not
// come forward and this start has a window, in a message box too. The program's exit status: 0
// when the running copy came forward, 1 otherwise.
int EndSecondStart(FolderCopy::Start found, const std::optional<ClaimHolder>& holder);

}  // namespace gpsclock
