// One copy per program folder: a later start in the same folder, however its path is written,
// asks the running copy to come forward; a start in another folder runs on its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <optional>
#include <thread>

#include "event_loop.h"
#include "platform/win32/folder_copy.h"
#include "temp_directory.h"

namespace gpsclock {
namespace {

using Start = FolderCopy::Start;

// The mutex belongs to the thread that claimed it, so the later starts run on a thread of their
// own while this one answers them from its message loop, as the running program does.
TEST(FolderCopyTest, ALaterStartInTheSameFolderBringsTheRunningCopyForward) {
  const TempDirectory folder;
  const TempDirectory other;
  FolderCopy running(folder.Path());
  ASSERT_EQ(running.Claim(), Start::kFirst);
  int broughtForward = 0;
  running.SetBringForwardHandler([&broughtForward] {
    ++broughtForward;
    return true;
  });

  std::string shouted = folder.Path();
  std::transform(shouted.begin(), shouted.end(), shouted.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  std::optional<Start> same;
  std::optional<Start> elsewhere;
  std::atomic<bool> done = false;
  std::thread later([&] {
    same = FolderCopy(shouted).Claim();
    elsewhere = FolderCopy(other.Path()).Claim();
    done = true;
  });
  const bool ended = RunEventsUntil([&done] { return done.load(); });
  later.join();
  ASSERT_TRUE(ended);
  EXPECT_EQ(same, Start::kOtherBroughtForward);
  EXPECT_EQ(broughtForward, 1);
  EXPECT_EQ(elsewhere, Start::kFirst);
}

}  // namespace
}  // namespace gpsclock
