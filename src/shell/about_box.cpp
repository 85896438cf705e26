// frmAbout is built from its design; its texts are fixed and nothing changes them.
#include "shell/about_box.h"

#include <QMessageBox>

#include "platform/qt/system_info_launcher.h"
#include "shell/layout/about_box_design.h"
#include "shell/layout/program_title.h"
#include "shell/qt_window_builder.h"

namespace gpsclock {

AboutBox::AboutBox() : QDialog(nullptr) {
  // OK, Enter and Esc reject the box, which closes it.
  const QtWindowWidgets<AboutBoxElement> widgets(*this);
  connect(widgets.Get<AboutBoxElement::kCmdSysInfo>(), &QPushButton::clicked, this,
          [this] { StartSysInfo(); });
}

void AboutBox::StartSysInfo() {
  if (StartSystemInfoProgram()) return;
  QMessageBox message(QMessageBox::NoIcon, QString::fromUtf8(kProgramTitle),
                      QString::fromUtf8(kSysInfoUnavailable), QMessageBox::Ok, this);
  message.exec();
}

}  // namespace gpsclock
