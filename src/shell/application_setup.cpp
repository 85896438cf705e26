// Closing the About box while the main window is hidden in the tray must not end the program, nor
// may the hidden settings dialog keep it running: the main window ends it itself when closed.
#include "shell/application_setup.h"

#include <QApplication>
#include <QDir>

#include "shell/globe_icon.h"
#include "shell/layout/window_design.h"
#include "shell/song_font.h"

namespace gpsclock {

// Qt adds the program's folder to the plugin folders when the application object is made, and
// then replays the removals made before it from the folders it knew then. So the folder is named
// in QT_PLUGIN_PATH, which Qt reads at once, for as long as it takes to remove it.
void KeepPluginsOutOfProgramFolder(const std::string& programDirectory) {
  const QByteArray userPaths = qgetenv("QT_PLUGIN_PATH");
  const QString folder = QDir(QString::fromStdString(programDirectory)).canonicalPath();
  qputenv("QT_PLUGIN_PATH", QFile::encodeName(folder));
  QCoreApplication::removeLibraryPath(folder);
  if (userPaths.isNull()) {
    qunsetenv("QT_PLUGIN_PATH");
  } else {
    qputenv("QT_PLUGIN_PATH", userPaths);
  }
}

void SetUpApplication() {
  // The classic style draws frames with their caption on the border, as the windows were designed.
  QApplication::setStyle(QStringLiteral("Windows"));
  // The default font of the settings dialog, the About box and the menus.
  QApplication::setFont(SongFont(kDialogPointSize));
  QApplication::setWindowIcon(GlobeIcon());
  QApplication::setQuitOnLastWindowClosed(false);
}

}  // namespace gpsclock
