// The About box: one at most, closed by OK, Enter and Esc, and its system-information button
// with and without a program to start.
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <thread>

#include "shell_fixture.h"

namespace gpsclock {
namespace {

class AboutBoxTest : public ShellTest {
 protected:
  void SetUp() override {
    savedPath_ = qgetenv("PATH");
    Start();
    Click("guanyu");
    about = Form1().OpenAboutBox();
    ASSERT_NE(about, nullptr);
  }
  void TearDown() override { qputenv("PATH", savedPath_); }

  // A program on the PATH under `name` that runs `script`.
  void PutProgramOnPath(const QString& name, const QByteArray& script) {
    QFile file(programs.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(script);
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
  // Presses cmdSysInfo and gives the text of the message box that came up, if any.
  std::optional<QString> PressSysInfoAndReadMessage() {
    std::optional<QString> message;
    QTimer::singleShot(0, [&message] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      message = box->text();
      EXPECT_EQ(box->windowTitle(), QStringLiteral("GPS卫星时钟对时7.0  Zelvaro电子"));
      EXPECT_EQ(box->buttons().size(), 1);
      box->button(QMessageBox::Ok)->click();
    });
    Find<QPushButton>(*about, "cmdSysInfo")->click();
    QCoreApplication::processEvents();
    return message;
  }
  void ProcessDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  QPointer<AboutBox> about;
  QTemporaryDir programs;
  QByteArray savedPath_;
};

TEST_F(AboutBoxTest, AboutWhileOpenBringsTheSameBoxForward) {
  Click("guanyu");
  EXPECT_EQ(Form1().OpenAboutBox(), about);
  int open = 0;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->objectName() == "frmAbout") ++open;
  }
  EXPECT_EQ(open, 1);
}

TEST_F(AboutBoxTest, OkEnterAndEscCloseAndDestroyIt) {
  struct Case {
    const char* how;
    std::function<void(AboutBox&)> close;
  };
  const Case cases[] = {
      {"cmdOK", [](AboutBox& box) { box.findChild<QPushButton*>("cmdOK")->click(); }},
      {"Enter",
       [](AboutBox& box) {
         QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
         QApplication::sendEvent(&box, &enter);
       }},
      {"Esc",
       [](AboutBox& box) {
         QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
         QApplication::sendEvent(&box, &escape);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    Click("guanyu");
    about = Form1().OpenAboutBox();
    ASSERT_NE(about, nullptr);
    c.close(*about);
    ProcessDeferredDeletes();
    EXPECT_TRUE(about.isNull());
    EXPECT_EQ(Form1().OpenAboutBox(), nullptr);
  }
}

TEST_F(AboutBoxTest, SysInfoStartsTheFirstProgramFoundOnThePath) {
  const QString started = programs.filePath("started");
  PutProgramOnPath("gnome-system-monitor", "#!/bin/sh\necho \"$0\" > '" + started.toUtf8() + "'\n");
  qputenv("PATH", programs.path().toUtf8());
  EXPECT_EQ(PressSysInfoAndReadMessage(), std::nullopt);
  for (int wait = 0; wait < 100 && !QFile::exists(started); ++wait) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  QFile record(started);
  ASSERT_TRUE(record.open(QIODevice::ReadOnly));
  // Started by its full path.
  EXPECT_EQ(record.readAll().trimmed(), programs.filePath("gnome-system-monitor").toUtf8());
  EXPECT_TRUE(about->isVisible());
}

TEST_F(AboutBoxTest, SysInfoWithoutAProgramSaysItIsUnavailable) {
  qputenv("PATH", programs.path().toUtf8());
  EXPECT_EQ(PressSysInfoAndReadMessage(), QStringLiteral("此时系统信息无效"));
  EXPECT_TRUE(about->isVisible());
}

TEST_F(AboutBoxTest, SysInfoProgramThatCannotStartSaysItIsUnavailable) {
  PutProgramOnPath("hardinfo", "#!/nonexistent/interpreter\n");
  qputenv("PATH", programs.path().toUtf8());
  EXPECT_EQ(PressSysInfoAndReadMessage(), QStringLiteral("此时系统信息无效"));
  EXPECT_TRUE(about->isVisible());
}

}  // namespace
}  // namespace gpsclock
