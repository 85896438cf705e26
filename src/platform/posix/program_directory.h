// The directory holding the running program: config.cfg, the log and the COMn links live there.
#pragma once

#include <optional>
#include <string>

namespace gpsclock {

// Nothing when the kernel cannot say where the program is.
std::optional<std::string> ProgramDirectory();

}  // namespace gpsclock
