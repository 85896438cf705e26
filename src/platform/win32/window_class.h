// The window classes the program registers for its own windows.
#pragma once

#include <windows.h>

namespace gpsclock {

// Registers the class `name` of this program with `procedure`, once: true also when it is
// registered already. A window of the class shows `background` behind its controls.
bool RegisterWindowClass(const wchar_t* name, WNDPROC procedure, HBRUSH background = nullptr);

}  // namespace gpsclock
