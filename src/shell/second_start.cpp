// Without a window means on a platform plugin that draws nowhere a user could see.
#include "shell/second_start.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <cstdio>

#include "shell/layout/program_title.h"

namespace gpsclock {
namespace {

bool RunsWithoutWindow() {
  const QString platform = QGuiApplication::platformName();
  return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

}  // namespace

bool BringForwardForSecondStart(MainWindow& form1) {
  if (RunsWithoutWindow()) return false;
  form1.RestoreFromTray();
  return true;
}

int EndSecondStart(FolderCopy::Start found) {
  if (found == FolderCopy::Start::kOtherBroughtForward) return 0;
  if (RunsWithoutWindow()) {
    std::fprintf(stderr, "gpsclock: %s\n", kRunsWithoutWindowText);
  } else {
    QMessageBox::information(nullptr, QString::fromUtf8(kProgramTitle),
                             QString::fromUtf8(kRunsWithoutWindowText));
  }
  return 1;
}

}  // namespace gpsclock
