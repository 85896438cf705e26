// A start that ends says so on standard error in any case, for the journal and the terminal; a
// user who started it from the menu sees the message box.
#include "shell/second_start.h"

#include <QMessageBox>
#include <cstdio>
#include <string>

#include "shell/layout/program_title.h"
#include "shell/without_window.h"

namespace gpsclock {
namespace {

// "本文件夹中已有一个对时程序在运行(进程 812，用户 gpsclock)，不再打开第二个。"
std::string OtherCopyText(const std::optional<ClaimHolder>& holder) {
  std::string text = kOtherCopyRunsText;
  if (holder) {
    text += "(进程 " + std::to_string(holder->process);
    if (!holder->user.empty()) text += "，用户 " + holder->user;
    text += ")";
  }
  return text + kNoSecondCopyText;
}

std::string EndingText(FolderCopy::Start found, const std::optional<ClaimHolder>& holder) {
  switch (found) {
    case FolderCopy::Start::kOtherBroughtForward:
      return kBroughtForwardText;
    case FolderCopy::Start::kOtherWithoutWindow:
      return kRunsWithoutWindowText;
    case FolderCopy::Start::kFirst:
    case FolderCopy::Start::kOtherCopy:
      break;
  }
  return OtherCopyText(holder);
}

}  // namespace

bool BringForwardForSecondStart(MainWindow& form1) {
  if (RunsWithoutWindow()) return false;
  form1.RestoreFromTray();
  return true;
}

int EndSecondStart(FolderCopy::Start found, const std::optional<ClaimHolder>& holder) {
  const std::string text = EndingText(found, holder);
  std::fprintf(stderr, "gpsclock: %s\n", text.c_str());
  if (found == FolderCopy::Start::kOtherBroughtForward) return 0;
  if (!RunsWithoutWindow()) {
    QMessageBox::information(nullptr, QString::fromUtf8(kProgramTitle),
                             QString::fromStdString(text));
  }
  return 1;
}

}  // namespace gpsclock
