// Samples for chronyd over a datagram socket the test binds where chronyd would, in a temporary
// program directory.
#include "platform/posix/chrony_sample_socket.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>

#include "platform/time_units.h"
#include "temp_directory.h"

namespace gpsclock {
namespace {

constexpr std::int64_t kLineDelayNs = 1'041'667;  // the start byte at 9600 baud
// 2024-05-06 04:20:00.250000 UTC, which is 12:20:00.25 in China.
constexpr std::int64_t kStampNs = 1'714'969'200'250'000'000;
constexpr LocalTimeRecord kMark{2024, 5, 1, 6, 12, 20, 0, 0};

// A bound datagram socket, as chronyd's SOCK reference clock makes it.
class ListeningSocket {
 public:
  explicit ListeningSocket(const std::string& path)
      : descriptor_(socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0)) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    EXPECT_EQ(bind(descriptor_, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  }
  ~ListeningSocket() { close(descriptor_); }
  ListeningSocket(const ListeningSocket&) = delete;
  ListeningSocket& operator=(const ListeningSocket&) = delete;

  // The datagram waiting, when it is one of the expected size.
  std::optional<ChronySockSample> Take() const {
    ChronySockSample sample{};
    const ssize_t length = recv(descriptor_, &sample, sizeof sample + 1, MSG_DONTWAIT);
    if (length != static_cast<ssize_t>(sizeof sample)) return {};
    return sample;
  }

 private:
  int descriptor_;
};

class ChronySampleSocketTest : public testing::Test {
 protected:
  void SetUp() override {
    setenv("TZ", "CST-8", 1);
    tzset();
  }
  void TearDown() override {
    unsetenv("TZ");
    tzset();
  }

  std::string ProgramSocket() const { return directory_.Path() + "/chrony.sock"; }
  std::string SystemSocket() const { return directory_.Path() + "/system.sock"; }

  TempDirectory directory_;
  ChronySampleSocket sink_{directory_.Path(), SystemSocket()};
  ByteArrival arrival_{kStampNs, 0, 0};
};

TEST_F(ChronySampleSocketTest, SendsTheStampAndTrueMinusSystemTimeInChronysLayout) {
  static_assert(sizeof(ChronySockSample) == 40, "the layout chronyd reads on x86-64");
  const ListeningSocket chronyd(ProgramSocket());
  ASSERT_EQ(sink_.Send(kMark, kLineDelayNs, arrival_), SampleResult::kSent);
  const auto sample = chronyd.Take();
  ASSERT_TRUE(sample.has_value());
  EXPECT_EQ(sample->tv.tv_sec, kStampNs / kNanosecondsPerSecond);
  EXPECT_EQ(sample->tv.tv_usec, 250'000);
  // The byte came in at 12:20:00.25 local time, when the true time was 12:20:00.001041667.
  EXPECT_DOUBLE_EQ(sample->offset, 0.001041667 - 0.25);
  EXPECT_EQ(sample->pulse, 0);
  EXPECT_EQ(sample->leap, 0);
  EXPECT_EQ(sample->magic, 0x534f434b);  // "SOCK"
}

TEST_F(ChronySampleSocketTest, OffsetKeepsTheStampsSubMicrosecondsOutOfBothSides) {
  const ListeningSocket chronyd(ProgramSocket());
  arrival_.realtimeNs = kStampNs + 999;  // chrony's timeval drops the 999 ns
  ASSERT_EQ(sink_.Send(kMark, kLineDelayNs, arrival_), SampleResult::kSent);
  const auto sample = chronyd.Take();
  ASSERT_TRUE(sample.has_value());
  EXPECT_EQ(sample->tv.tv_usec, 250'000);
  EXPECT_DOUBLE_EQ(sample->offset, 0.001041667 - 0.25);
}

TEST_F(ChronySampleSocketTest, AProgramSocketComesBeforeTheSystemOneAndALinkToOneCounts) {
  const ListeningSocket system(SystemSocket());
  ASSERT_EQ(sink_.Send(kMark, kLineDelayNs, arrival_), SampleResult::kSent);
  EXPECT_TRUE(system.Take().has_value());

  const std::string target = directory_.Path() + "/elsewhere.sock";
  const ListeningSocket linked(target);
  ASSERT_EQ(symlink(target.c_str(), ProgramSocket().c_str()), 0);
  ASSERT_EQ(sink_.Send(kMark, kLineDelayNs, arrival_), SampleResult::kSent);
  EXPECT_TRUE(linked.Take().has_value());
  EXPECT_FALSE(system.Take().has_value());
}

TEST_F(ChronySampleSocketTest, NoSocketPathMeansNoServerAndOneThatTakesNothingRefuses) {
  EXPECT_EQ(sink_.Send(kMark, kLineDelayNs, arrival_), SampleResult::kNoServer);
  // A socket left behind by a server that has gone.
  { const ListeningSocket gone(ProgramSocket()); }
  EXPECT_EQ(sink_.Send(kMark, kLineDelayNs, arrival_), SampleResult::kRefused);
  ASSERT_EQ(unlink(ProgramSocket().c_str()), 0);
  std::ofstream(ProgramSocket()) << "not a socket";
  EXPECT_EQ(sink_.Send(kMark, kLineDelayNs, arrival_), SampleResult::kRefused);
}

TEST_F(ChronySampleSocketTest, AServerThatDoesNotReadIsRefusedWithoutWaiting) {
  const ListeningSocket chronyd(ProgramSocket());
  int sent = 0;
  while (sink_.Send(kMark, kLineDelayNs, arrival_) == SampleResult::kSent)
    ASSERT_LT(++sent, 100'000);
  EXPECT_GT(sent, 0);
  EXPECT_EQ(sink_.Send(kMark, kLineDelayNs, arrival_), SampleResult::kRefused);
}

TEST(SampleOffsetTest, SubtractsAsCivilTimesAcrossMidnightAndTheYear) {
  setenv("TZ", "UTC0", 1);
  tzset();
  // 2023-12-31 23:59:59.999 UTC against a mark of 2024-01-01 00:00:00 one line delay late.
  const std::int64_t stamp = 1'704'067'199'999'000'000;
  EXPECT_DOUBLE_EQ(SampleOffsetSeconds({2024, 1, 1, 1, 0, 0, 0, 0}, kLineDelayNs, stamp).value(),
                   0.001 + 0.001041667);
  unsetenv("TZ");
  tzset();
}

}  // namespace
}  // namespace gpsclock
