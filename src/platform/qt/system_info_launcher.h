// The desktop's system-information program, looked up on the PATH and started on its own.
#pragma once

namespace gpsclock {

// Starts the first program of a short list that is found on the PATH, by its full path, detached
// and without a shell. False when none is found or it cannot be started.
bool StartSystemInfoProgram();

}  // namespace gpsclock
