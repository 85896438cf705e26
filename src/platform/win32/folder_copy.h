// One running copy of the program per program folder in a logon session. The first copy holds a
// mutex named after its folder in the session's own namespace (Local\), and a message-only window
// of the same name; a later start there finds that window and asks the running copy to come
// forward instead of opening a window of its own.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/win32/message_window.h"

namespace gpsclock {

class FolderCopy {
 public:
  // What a start finds in its program folder.
  enum class Start {
    kFirst,                // no other copy runs here: this one goes on
    kOtherBroughtForward,  // another copy runs here and has brought its window forward
    kOtherNotReached,      // another copy runs here but did not answer, or has no window yet
  };

  // `programDirectory` in UTF-8.
  explicit FolderCopy(const std::string& programDirectory);
  ~FolderCopy();
  FolderCopy(const FolderCopy&) = delete;
  FolderCopy& operator=(const FolderCopy&) = delete;

  // Becomes the folder's running copy, or asks the one already running to come forward. When
  // Windows refuses the mutex it gives kFirst: the program then runs without this guard.
  Start Claim();
  // What the first copy does when a later start asks: bring its window forward and say true.
  void SetBringForwardHandler(std::function<bool()> bringForward);

 private:
  bool Listen();
  Start AskRunningCopy() const;

  std::wstring name_;
  HANDLE mutex_ = nullptr;
  bool owner_ = false;
  std::unique_ptr<MessageWindow> window_;
  std::function<bool()> bringForward_;
};

}  // namespace gpsclock
