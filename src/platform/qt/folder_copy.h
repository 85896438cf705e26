// One running copy of the program per program folder. The first copy claims the folder and listens
// on a local socket of its user there; a later start of the same user asks it to come forward
// instead of opening a window of its own, a later start of anyone else just ends.
#pragma once

#include <QLocalServer>
#include <functional>
#include <optional>
#include <string>

#include "platform/posix/folder_claim.h"

namespace gpsclock {

class FolderCopy {
 public:
  // What a start finds in its program folder.
  enum class Start {
    kFirst,                // no other copy runs here: this one goes on
    kOtherBroughtForward,  // this user's copy runs here and has brought its window forward
    kOtherWithoutWindow,   // this user's copy runs here without a window (the service's user)
    kOtherCopy,            // a copy of another user runs here, or one that does not answer
  };

  explicit FolderCopy(const std::string& programDirectory);

  // Claims the folder, or asks the copy that holds it to come forward. A folder that cannot be
  // opened gives kFirst: the program then runs without this guard. The answer of a running copy
  // counts only when it comes from this user's process that holds the folder, so that nobody can
  // stop the starts of others with a socket of their own.
  Start Claim();
  // Who holds the folder, for telling the user of a start that ends.
  std::optional<ClaimHolder> Holder() const { return claim_.Holder(); }
  // What the first copy does when a later start asks: bring its window forward and say true, or
  // say false when it has no window.
  void SetBringForwardHandler(std::function<bool()> bringForward);

 private:
  std::optional<Start> AskRunningCopy();
  void Answer();

  FolderClaim claim_;
  QString socketPath_;
  QLocalServer server_;
  std::function<bool()> bringForward_;
};

}  // namespace gpsclock
