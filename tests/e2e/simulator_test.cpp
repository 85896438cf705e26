// Black-box tests of gpsclock-sim itself, the test reading its pseudo-terminal as the program
// would: the frame's bytes, the faults, the pacing at the second boundaries, the command line.
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <vector>

#include "harness/built_programs.h"
#include "harness/child_process.h"
#include "harness/clock_plan.h"
#include "harness/program_folder.h"
#include "harness/simulator_run.h"

namespace gpsclock::e2e {
namespace {

constexpr int kReadTimeoutMs = 5000;

struct Arrival {
  char byte;
  std::int64_t realtimeNs;
};

// Everything the simulator sends until it closes its side, each byte with the time it was read.
std::vector<Arrival> ReadUntilHangUp(const std::string& path) {
  std::vector<Arrival> arrivals;
  const int port = open(path.c_str(), O_RDONLY | O_NOCTTY);
  if (port < 0) return arrivals;
  pollfd wait{port, POLLIN, 0};
  char bytes[256];
  ssize_t count = 0;
  while (poll(&wait, 1, kReadTimeoutMs) == 1 && (count = read(port, bytes, sizeof bytes)) > 0) {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    for (ssize_t index = 0; index < count; ++index) {
      arrivals.push_back({bytes[index], now.tv_sec * kNanosecondsPerSecond + now.tv_nsec});
    }
  }
  close(port);
  return arrivals;
}

std::string Frame(const std::string& digits, char status, const std::string& end = "\r\n") {
  return "\x01"
         "00" +
         digits + status + std::string(23, '0') + end;
}

TEST(SimulatorTest, SendsTheDeviceFramesWithTheFaultsAsked) {
  ProgramFolder folder;
  SimulatorRun simulator(folder, {"--fast", "--frames", "4", "--lock", "AV", "--start",
                                  "2024-12-31 23:59:58", "--fault", "bad-end=2", "--fault",
                                  "garbage=3", "--fault", "bad-digit=3", "--fault", "missing=4"});
  ASSERT_TRUE(simulator.Linked()) << simulator.Messages();
  std::string received;
  for (const Arrival& arrival : ReadUntilHangUp(folder.Path("COM1"))) received += arrival.byte;

  EXPECT_EQ(received, Frame("241231235958", 'A') + Frame("241231235959", 'V', "\n\r") +
                          Frame("25010100000x", 'A') + "#?~GARBAGE");
  const std::vector<SentFrame> frames = simulator.Frames();
  ASSERT_EQ(frames.size(), 3u);
  EXPECT_EQ(frames[2].second, UtcSeconds(2025, 1, 1, 0, 0, 0));
  EXPECT_EQ(frames[2].faults, "garbage,bad-digit");
}

TEST(SimulatorTest, PutsEachStartByteOnASecondBoundaryAndPacesTheBytes) {
  ProgramFolder folder;
  SimulatorRun simulator(folder, {"--frames", "3", "--baud", "4800"});
  ASSERT_TRUE(simulator.Linked()) << simulator.Messages();
  const std::vector<Arrival> arrivals = ReadUntilHangUp(folder.Path("COM1"));
  ASSERT_EQ(arrivals.size(), 3 * 41u);

  constexpr std::int64_t kTolerance = 20 * kNanosecondsPerMillisecond;
  constexpr std::int64_t kFrameNs = 40 * 10 * kNanosecondsPerSecond / 4800;  // start byte to LF
  for (std::size_t start = 0; start < arrivals.size(); start += 41) {
    EXPECT_LT(arrivals[start].realtimeNs % kNanosecondsPerSecond, kTolerance);
    EXPECT_NEAR(arrivals[start + 40].realtimeNs - arrivals[start].realtimeNs, kFrameNs, kTolerance);
  }
}

TEST(SimulatorTest, ExplainsItsOptionsAndRefusesWrongOnes) {
  EXPECT_NE(CommandOutput({kBuiltSimulator, "--help"}, {})->find("--fault KIND=FRAMES"),
            std::string::npos);
  for (const char* wrong : {"--baud=300", "--fault=late=1", "--lock=", "--offset=soon",
                            "--frames=0", "--start=yesterday"}) {
    EXPECT_FALSE(CommandOutput({kBuiltSimulator, wrong}, {}).has_value()) << wrong;
  }
}

}  // namespace
}  // namespace gpsclock::e2e
