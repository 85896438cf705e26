// Ctrl-C or a termination signal ends the simulator between two bytes.
#pragma once

namespace gpsclock::simulator {

// Interrupts a sleep rather than restarting it, so that the request is seen at once.
void InstallStopHandlers();
bool StopRequested();

}  // namespace gpsclock::simulator
