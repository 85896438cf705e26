// The shell tests run real widgets on Qt's offscreen platform, without a display, set up as the
// program sets itself up.
#include <gtest/gtest.h>

#include <QApplication>

#include "shell/application_setup.h"

namespace {

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform warns at every window it cannot raise or size by hint: noise here.
void QuietOffscreenWarnings(QtMsgType type, const QMessageLogContext& context,
                            const QString& text) {
  if (text.startsWith(QStringLiteral("This plugin does not support"))) return;
  defaultHandler(type, context, text);
}

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  defaultHandler = qInstallMessageHandler(QuietOffscreenWarnings);
  QApplication application(argc, argv);
  gpsclock::SetUpApplication();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
