// The application-wide settings of the shell, made once before any window is created.
#pragma once

namespace gpsclock {

// The classic window style, the Song dialog font, the globe icon for every window, and the rule
// that only the main window ends the program.
void SetUpApplication();

}  // namespace gpsclock
