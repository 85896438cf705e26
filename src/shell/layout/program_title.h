// The program's title: the main window's caption and the title of its message box.
#pragma once

namespace gpsclock {

inline constexpr char kProgramTitle[] = "GPS卫星时钟对时7.0  Zelvaro电子";

}  // namespace gpsclock
