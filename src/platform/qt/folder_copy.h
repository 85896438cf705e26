// One running copy of the program per program folder. The first copy listens on a local socket in
// its folder; a later start there asks it to come forward instead of opening a window of its own.
#pragma once

#include <QLocalServer>
#include <functional>
#include <optional>
#include <string>

namespace gpsclock {

class FolderCopy {
 public:
  // What a start finds in its program folder.
  enum class Start {
    kFirst,                // no other copy runs here: this one goes on
    kOtherBroughtForward,  // another copy runs here and has brought its window forward
    kOtherWithoutWindow,   // another copy runs here without a window (the service)
  };

  explicit FolderCopy(const std::string& programDirectory);

  // Asks the copy already running in the folder to come forward, or becomes the folder's running
  // copy. A folder that cannot hold the socket (not writable, or a path too long for a socket)
  // gives kFirst: the program then runs without this guard. Two starts within the same few
  // milliseconds may both become first.
  Start Claim();
  // What the first copy does when a later start asks: bring its window forward and say true, or
  // say false when it has no window.
  void SetBringForwardHandler(std::function<bool()> bringForward);

 private:
  std::optional<Start> AskRunningCopy();
  void Answer();

  QString socketPath_;
  QLocalServer server_;
  std::function<bool()> bringForward_;
};

}  // namespace gpsclock
