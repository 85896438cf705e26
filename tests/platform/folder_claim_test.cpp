// The claim of a program folder: one process holds it at a time, /proc/locks names it, and it is
// free again the moment its holder is gone, even killed.
#include "platform/posix/folder_claim.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "temp_directory.h"

namespace gpsclock {
namespace {

TEST(FolderClaimTest, HeldByOneProcessAtATimeAndFreeOnceItsHolderIsKilled) {
  TempDirectory folder;
  int taken[2];
  ASSERT_EQ(pipe(taken), 0);
  const pid_t holder = fork();
  if (holder == 0) {
    FolderClaim claim(folder.Path());
    const char result = claim.Take() == FolderClaim::Result::kTaken ? 'y' : 'n';
    if (write(taken[1], &result, 1) == 1) pause();
    _exit(0);
  }
  char result = 0;
  ASSERT_TRUE(holder > 0 && read(taken[0], &result, 1) == 1 && result == 'y');

  FolderClaim claim(folder.Path());
  EXPECT_EQ(claim.Take(), FolderClaim::Result::kHeldByAnother);
  const std::optional<ClaimHolder> found = claim.Holder();
  EXPECT_TRUE(found && found->process == holder && !found->user.empty());
  kill(holder, SIGKILL);
  ASSERT_EQ(waitpid(holder, nullptr, 0), holder);
  EXPECT_EQ(claim.Take(), FolderClaim::Result::kTaken);
}

}  // namespace
}  // namespace gpsclock
