// The folder holding the running program: config.cfg and the tracking log live there.
#pragma once

#include <optional>
#include <string>

namespace gpsclock {

// In UTF-8, without a separator at its end; nothing when Windows cannot say where the program is.
std::optional<std::string> ProgramDirectory();

}  // namespace gpsclock
