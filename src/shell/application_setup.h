// The application-wide settings of the shell, made once before any window is created.
#pragma once

#include <string>

namespace gpsclock {

// Call before the application object is made: no plugin is loaded from folders beside the program
// (`platforms/`, `styles/`, ...). The installed program's folder is every member's of its group to
// write in: a plugin put there would run as each user who starts the program, and as the service.
void KeepPluginsOutOfProgramFolder(const std::string& programDirectory);
// The classic window style, the Song dialog font, the globe icon for every window, and the rule
// that only the main window ends the program.
void SetUpApplication();

}  // namespace gpsclock
