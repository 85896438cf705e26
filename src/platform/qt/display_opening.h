// Opening the display when the application object is made: where none can be opened, one line on
// standard error and status 1 instead of the toolkit's abort.
#pragma once

#include <QString>
#include <QtGlobal>
#include <string>
#include <vector>

namespace gpsclock {

class DisplayOpening {
 public:
  // From now until the end of this object the toolkit's messages are held back. Should the
  // toolkit find no display to open, they are dropped, `noDisplayLine` is printed on standard
  // error and the program ends with status 1.
  explicit DisplayOpening(std::string noDisplayLine);
  // The display was opened: the messages held back go out as they would have.
  ~DisplayOpening();
  DisplayOpening(const DisplayOpening&) = delete;
  DisplayOpening& operator=(const DisplayOpening&) = delete;

 private:
  struct HeldMessage {
    QtMsgType type;
    std::string file;
    int line;
    std::string function;
    std::string category;
    QString text;
  };
  static void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text);

  static DisplayOpening* current_;
  std::string noDisplayLine_;
  QtMessageHandler previous_;
  std::vector<HeldMessage> held_;
};

}  // namespace gpsclock
