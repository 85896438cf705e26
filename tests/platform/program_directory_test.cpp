// The program directory is where the running executable is.
#include "platform/posix/program_directory.h"

#include <errno.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace gpsclock {
namespace {

TEST(ProgramDirectoryTest, IsTheAbsoluteDirectoryOfThisProgram) {
  const auto directory = ProgramDirectory();
  ASSERT_TRUE(directory.has_value());
  EXPECT_EQ(directory->front(), '/');
  EXPECT_NE(directory->back(), '/');
  EXPECT_TRUE(std::filesystem::is_regular_file(*directory + "/" + program_invocation_short_name));
}

}  // namespace
}  // namespace gpsclock
