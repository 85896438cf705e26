// Drivers without the low-latency setting say no rather than pretend.
#include "platform/posix/low_latency.h"

#include <gtest/gtest.h>

#include "pseudo_terminal.h"

namespace gpsclock {
namespace {

TEST(LowLatencyTest, APtyRefuses) {
  PseudoTerminal pty;
  EXPECT_FALSE(RequestLowLatency(pty.Slave()));
}

TEST(LowLatencyTest, AClosedDescriptorRefuses) {
  EXPECT_FALSE(RequestLowLatency(-1));
}

}  // namespace
}  // namespace gpsclock
