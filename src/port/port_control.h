// The serial port control: the three places that open the port, the one that closes it, and the
// port-state display (the Disconnect caption, Label2 and Shape1).
#pragma once

namespace gpsclock {

struct Program;

// Opens the configured port at start-up.
void OpenPortAtStartUp(Program& program);
// The Disconnect command: opens a closed port or closes an open one.
void TogglePort(Program& program);
// The settings dialog's OK: reopens an open port with the new number and speed.
void ReopenPortForDialog(Program& program);
// The serial layer lost the port (the device went away) and has closed it.
void ShowPortLost(Program& program);

}  // namespace gpsclock
