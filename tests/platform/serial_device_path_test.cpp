// Port numbers name /dev/ttyS devices unless the user linked COMn to another device. Nothing here
// opens a device.
#include "platform/posix/serial_device_path.h"

#include <gtest/gtest.h>
#include <unistd.h>

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

// The device behind the link is found when the port opens, or not.
TEST(SerialDevicePathTest, ALinkIsTheDeviceWhereverItLeads) {
  TempDirectory directory;
  for (const char* target : {"/dev/ttyUSB7", "/nonexistent/ttyUSB7"}) {
    SCOPED_TRACE(target);
    const std::string link = directory.Path() + "/COM3";
    unlink(link.c_str());
    ASSERT_EQ(symlink(target, link.c_str()), 0);
    EXPECT_EQ(SerialDevicePath(directory.Path(), 3), link);
  }
}

}  // namespace
}  // namespace gpsclock
