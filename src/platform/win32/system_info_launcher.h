// The system-information program (MSINFO32) as the registry names it, started by its path.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace gpsclock {

// The registry value `valueName` of the key `keyName` under `root`, as text in UTF-8: a text value
// as it stands, a 32-bit number in decimal, any other type as an empty text. Nothing when the key
// cannot be opened (it is asked for reading and writing) or the value cannot be read into 1024
// bytes.
std::optional<std::string> GetKeyValue(HKEY root, const char* keyName, const char* valueName);

// Starts the program that the first registry value names, else MSINFO32.EXE in the folder that
// the second names when that file exists, with a normal, focused window, by its full path.
// False when neither value leads to a program or it cannot be started.
bool StartSystemInfoProgram();

}  // namespace gpsclock
