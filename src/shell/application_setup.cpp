// Closing the About box while the main window is hidden in the tray must not end the program, nor
// may the hidden settings dialog keep it running: the main window ends it itself when closed.
#include "shell/application_setup.h"

#include <QApplication>

#include "shell/globe_icon.h"
#include "shell/layout/window_design.h"
#include "shell/song_font.h"

namespace gpsclock {

void SetUpApplication() {
  // The classic style draws frames with their caption on the border, as the windows were designed.
  QApplication::setStyle(QStringLiteral("Windows"));
  // The default font of the settings dialog, the About box and the menus.
  QApplication::setFont(SongFont(kDialogPointSize));
  QApplication::setWindowIcon(GlobeIcon());
  QApplication::setQuitOnLastWindowClosed(false);
}

}  // namespace gpsclock
