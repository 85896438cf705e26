// A second start in a program folder where the program already runs: the running copy's window
// comes forward and this start ends without a word, or the user is told why nothing came forward.
#pragma once

#include "platform/win32/folder_copy.h"

namespace gpsclock {

inline constexpr char kRunningCopyNotReachedText[] =
    "本文件夹中的对时程序已在运行，但它的窗口没有应答。不再打开第二个。";

// The program's exit code: 0 when the running copy came forward, 1 otherwise.
int EndSecondStart(FolderCopy::Start found);

}  // namespace gpsclock
