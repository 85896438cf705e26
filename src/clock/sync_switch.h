// The synchronisation switch: the StopTime command.
#pragma once

namespace gpsclock {

struct Program;

void ToggleSync(Program& program);

}  // namespace gpsclock
