// The programs that show the system's information, in the order they are preferred.
#include "platform/qt/system_info_launcher.h"

#include <QProcess>
#include <QStandardPaths>
#include <array>

namespace gpsclock {
namespace {

constexpr std::array kSystemInfoPrograms = {"hardinfo", "gnome-system-monitor", "kinfocenter"};

}  // namespace

bool StartSystemInfoProgram() {
  for (const char* name : kSystemInfoPrograms) {
    const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
    if (!path.isEmpty()) return QProcess::startDetached(path, {});
  }
  return false;
}

}  // namespace gpsclock
