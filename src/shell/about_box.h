// The About box frmAbout: the program's title, version, description and the maker's contact
// block, and a button that starts the desktop's system-information program.
#pragma once

#include <QDialog>

namespace gpsclock {

class AboutBox : public QDialog {
  Q_OBJECT

 public:
  // Modeless and without an owner; it destroys itself when closed.
  AboutBox();

  // Starts the system-information program, or says that there is none.
  void StartSysInfo();
};

}  // namespace gpsclock
