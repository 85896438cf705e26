// The About box frmAbout: the program's title, version, description and the maker's contact
// block, and a button that starts the desktop's system-information program.
#pragma once

#include <QDialog>

namespace gpsclock {

class AboutBox : public QDialog {
  Q_OBJECT

 public:
  // Modeless and without a parent window; the main window owns it while it is open.
  AboutBox();

  // Starts the system-information program, or says that there is none.
  void StartSysInfo();
};

}  // namespace gpsclock
