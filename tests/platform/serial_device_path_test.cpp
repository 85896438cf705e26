// Port numbers name /dev/ttyS devices unless the user linked COMn to another device. Nothing here
// opens a device.
#include "platform/posix/serial_device_path.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "temp_directory.h"

namespace gpsclock {
namespace {

TEST(SerialDevicePathTest, WithoutALinkPortNIsTtySNMinusOne) {
  TempDirectory directory;
  const struct {
    int portNumber;
    const char* path;
  } cases[] = {{1, "/dev/ttyS0"}, {2, "/dev/ttyS1"}, {16, "/dev/ttyS15"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.portNumber);
    EXPECT_EQ(SerialDevicePath(directory.Path(), c.portNumber), c.path);
  }
}

TEST(SerialDevicePathTest, ALinkIsFollowedToTheDeviceItLeadsTo) {
  TempDirectory directory;
  const std::string device = directory.Path() + "/device";
  std::ofstream(device) << "";
  ASSERT_EQ(symlink(device.c_str(), (directory.Path() + "/by-id").c_str()), 0);
  ASSERT_EQ(symlink("by-id", (directory.Path() + "/COM3").c_str()), 0);
  EXPECT_EQ(SerialDevicePath(directory.Path(), 3), std::filesystem::canonical(device).string());
}

TEST(SerialDevicePathTest, ALinkLeadingNowhereIsNoDevice) {
  TempDirectory directory;
  ASSERT_EQ(symlink("/nonexistent/ttyUSB7", (directory.Path() + "/COM3").c_str()), 0);
  EXPECT_EQ(SerialDevicePath(directory.Path(), 3), std::nullopt);
}

}  // namespace
}  // namespace gpsclock
