// The terminal serial layer against a pty standing in for the clock device, linked as the program
// directory's COM1, its reader thread handing over to Qt's event loop. No test opens a /dev/ttyS
// device: every port number used has a link.
#include "platform/posix/termios_serial_layer.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <ctime>

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

#include "event_loop.h"
#include "platform/qt/qt_ui_thread_post.h"
#include "platform/time_units.h"
#include "pseudo_terminal.h"
#include "temp_directory.h"

namespace gpsclock {
namespace {

constexpr char kStartByte = '\x01';
constexpr int kFrameLength = 41;
constexpr int kFrames = 20;

// Frames shaped like the device's: start byte, 38 digits ending in the lock letter, CR LF.
// Neighbouring bytes differ, so a lost or repeated byte shows.
std::string FrameStream() {
  std::string stream;
  for (int frame = 0; frame < kFrames; ++frame) {
    stream += kStartByte;
    for (int i = 0; i < kFrameLength - 4; ++i) stream += static_cast<char>('0' + (frame + i) % 10);
    stream += frame % 2 == 0 ? 'A' : 'V';
    stream += "\r\n";
  }
  return stream;
}

// What the layer told its handler: every event, and the input at each receive.
struct Notifications {
  std::vector<CommEvent> events;
  std::string received;
  std::vector<ByteArrival> arrivals;
  std::size_t inputsNotOneCharacter = 0;

  std::size_t Count(CommEvent event) const {
    return static_cast<std::size_t>(std::count(events.begin(), events.end(), event));
  }
};

class TermiosSerialLayerTest : public testing::Test {
 protected:
  TermiosSerialLayerTest() {
    EnsureApplication();
    Link("COM1", pty_.SlavePath());
    layer_ = MakeLayer();
    layer_->SetCommHandler([this](CommEvent event) { Record(*layer_, event); });
  }

  // Counts the reader thread's posts to the user-interface thread.
  std::unique_ptr<TermiosSerialLayer> MakeLayer() {
    return std::make_unique<TermiosSerialLayer>(
        programDirectory_.Path(), [this, post = QtPostToUiThread()](std::function<void()> task) {
          ++posts_;
          return post(std::move(task));
        });
  }

  // Waits without running any event, so the user-interface thread has not seen what was posted.
  bool WaitForPostsWithoutEvents(int count) {
    for (int round = 0; round < kWaitRounds && posts_ < count; ++round) usleep(kWaitStepUs);
    return posts_ >= count;
  }

  // Another program's descriptor of the device.
  int OpenDevice() const { return open(pty_.SlavePath().c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC); }
  bool HeldExclusively() const {
    int exclusive = 0;
    return ioctl(pty_.Slave(), TIOCGEXCL, &exclusive) == 0 && exclusive != 0;
  }

  void Link(const std::string& name, const std::string& target) {
    ASSERT_EQ(symlink(target.c_str(), (programDirectory_.Path() + "/" + name).c_str()), 0);
  }

  void Record(SerialLayer& layer, CommEvent event) {
    notifications_.events.push_back(event);
    if (event != CommEvent::kReceive) return;
    const std::string input = layer.Input();
    if (input.size() != 1) ++notifications_.inputsNotOneCharacter;
    notifications_.received += input;
    notifications_.arrivals.push_back(layer.InputArrival());
  }

  bool ReceiveUntil(std::size_t byteCount) {
    return RunEventsUntil([&] { return notifications_.received.size() >= byteCount; });
  }

  termios SlaveSettings() const {
    termios settings{};
    EXPECT_EQ(tcgetattr(pty_.Slave(), &settings), 0);
    return settings;
  }

  static constexpr int kWaitRounds = 10'000;
  static constexpr int kWaitStepUs = 1'000;

  TempDirectory programDirectory_;
  PseudoTerminal pty_;
  std::atomic<int> posts_ = 0;
  std::unique_ptr<TermiosSerialLayer> layer_;
  Notifications notifications_;
};

TEST_F(TermiosSerialLayerTest, DeliversEveryByteInOrderWithOneNotificationEach) {
  const std::string stream = FrameStream();
  // Whole stream at once (one read carries hundreds of bytes), frame by frame, odd pieces, bytes.
  for (const std::size_t chunk :
       {stream.size(), std::size_t{kFrameLength}, std::size_t{7}, std::size_t{1}}) {
    SCOPED_TRACE(testing::Message() << "chunks of " << chunk);
    notifications_ = {};
    ASSERT_TRUE(layer_->Open());
    for (std::size_t sent = 0; sent < stream.size(); sent += chunk) {
      ASSERT_TRUE(pty_.Send(stream.substr(sent, chunk)));
      ASSERT_TRUE(ReceiveUntil(std::min(sent + chunk, stream.size())));
    }
    RunPendingEvents();
    EXPECT_EQ(notifications_.received, stream);
    EXPECT_EQ(notifications_.Count(CommEvent::kReceive), stream.size());
    EXPECT_EQ(notifications_.events.size(), stream.size());
    EXPECT_EQ(notifications_.inputsNotOneCharacter, 0u);
    layer_->Close();
  }
}

std::int64_t ClockNs(clockid_t clock) {
  timespec now{};
  clock_gettime(clock, &now);
  return std::int64_t{now.tv_sec} * kNanosecondsPerSecond + now.tv_nsec;
}

// A backlog that waited before the program read it is one read: every byte is stamped at that
// read, by the reader thread before the user-interface thread runs, and counts the bytes of the
// backlog after it as behind it.
TEST_F(TermiosSerialLayerTest, StampsEveryByteAtItsReadWithTheBytesThatArrivedAfterIt) {
  ASSERT_TRUE(layer_->Open());
  const std::string backlog = FrameStream().substr(0, kFrameLength);
  const std::int64_t realtimeBefore = ClockNs(CLOCK_REALTIME);
  const std::int64_t monotonicBefore = ClockNs(CLOCK_MONOTONIC);
  ASSERT_TRUE(pty_.Send(backlog));
  ASSERT_TRUE(WaitForPostsWithoutEvents(1));
  const std::int64_t realtimeAfter = ClockNs(CLOCK_REALTIME);
  const std::int64_t monotonicAfter = ClockNs(CLOCK_MONOTONIC);
  ASSERT_TRUE(ReceiveUntil(backlog.size()));
  ASSERT_EQ(notifications_.arrivals.size(), backlog.size());
  for (std::size_t index = 0; index < backlog.size(); ++index) {
    SCOPED_TRACE(index);
    const ByteArrival& arrival = notifications_.arrivals[index];
    EXPECT_EQ(arrival.bytesBehind, static_cast<std::int32_t>(backlog.size() - 1 - index));
    EXPECT_EQ(arrival.monotonicNs, notifications_.arrivals.front().monotonicNs);
    EXPECT_GE(arrival.realtimeNs, realtimeBefore);
    EXPECT_LE(arrival.realtimeNs, realtimeAfter);
    EXPECT_GE(arrival.monotonicNs, monotonicBefore);
    EXPECT_LE(arrival.monotonicNs, monotonicAfter);
  }
  // Bytes sent one at a time, each read on its own: later reads, later stamps, nothing behind.
  notifications_ = {};
  for (const char byte : backlog.substr(0, 5)) {
    ASSERT_TRUE(pty_.Send(std::string(1, byte)));
    ASSERT_TRUE(ReceiveUntil(notifications_.received.size() + 1));
  }
  ASSERT_EQ(notifications_.arrivals.size(), 5u);
  for (std::size_t index = 1; index < 5; ++index) {
    EXPECT_GT(notifications_.arrivals[index].monotonicNs,
              notifications_.arrivals[index - 1].monotonicNs);
    EXPECT_EQ(notifications_.arrivals[index].bytesBehind, 0);
  }
}

// A pty keeps the speed and stop bits it is given but always has 8 data bits and no parity, so
// only those two show the settings.
TEST_F(TermiosSerialLayerTest, OpensWithTheSettingsAndTakesNewOnesWhileOpen) {
  ASSERT_TRUE(layer_->SetSettings("4800,e,7,2"));
  ASSERT_TRUE(layer_->Open());
  termios settings = SlaveSettings();
  EXPECT_EQ(cfgetispeed(&settings), B4800);
  EXPECT_EQ(settings.c_cflag & CSTOPB, tcflag_t{CSTOPB});

  ASSERT_TRUE(layer_->SetSettings("19200,o,8,1"));
  settings = SlaveSettings();
  EXPECT_EQ(cfgetispeed(&settings), B19200);
  EXPECT_EQ(settings.c_cflag & CSTOPB, tcflag_t{0});
}

TEST_F(TermiosSerialLayerTest, RejectedSettingsLeaveThePreviousInForce) {
  ASSERT_TRUE(layer_->SetSettings("4800,n,8,1"));
  // 14400 is a speed of the settings text that termios has no constant for.
  for (const char* text :
       {",n,8,1", "9601,n,8,1", "abc,n,8,1", "9600,x,8,1", "9600,n,8", "14400,n,8,1"}) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(layer_->SetSettings(text));
  }
  ASSERT_TRUE(layer_->Open());
  const termios settings = SlaveSettings();
  EXPECT_EQ(cfgetispeed(&settings), B4800);
}

TEST_F(TermiosSerialLayerTest, PortNumbersBelowOneAreRejectedAndThePreviousStays) {
  // COM1 leads nowhere here, so only COM2, the pty, can open.
  ASSERT_EQ(unlink((programDirectory_.Path() + "/COM1").c_str()), 0);
  Link("COM1", "/nonexistent/ttyUSB0");
  Link("COM2", pty_.SlavePath());
  ASSERT_TRUE(layer_->SetCommPort(2));
  EXPECT_FALSE(layer_->SetCommPort(0));
  EXPECT_FALSE(layer_->SetCommPort(-1));
  EXPECT_TRUE(layer_->Open());
}

TEST_F(TermiosSerialLayerTest, OnlyTextInputModeIsAccepted) {
  EXPECT_TRUE(layer_->SetInputMode(0));
  for (const int mode : {1, 2, -1}) {
    SCOPED_TRACE(mode);
    EXPECT_FALSE(layer_->SetInputMode(mode));
  }
}

TEST_F(TermiosSerialLayerTest, AMissingDeviceDoesNotOpen) {
  Link("COM2", "/nonexistent/ttyUSB0");
  ASSERT_TRUE(layer_->SetCommPort(2));
  EXPECT_FALSE(layer_->Open());
  EXPECT_FALSE(layer_->IsOpen());
}

TEST_F(TermiosSerialLayerTest, AnOpenPortDoesNotOpenAgainAndKeepsReceiving) {
  ASSERT_TRUE(layer_->Open());
  EXPECT_FALSE(layer_->Open());
  EXPECT_TRUE(layer_->IsOpen());
  const std::string bytes = std::string{kStartByte} + "12";
  ASSERT_TRUE(pty_.Send(bytes));
  ASSERT_TRUE(ReceiveUntil(bytes.size()));
  EXPECT_EQ(notifications_.received, bytes);
}

TEST_F(TermiosSerialLayerTest, APtyRefusesLowLatencyYetOpens) {
  ASSERT_TRUE(layer_->Open());
  EXPECT_FALSE(layer_->LowLatency());
}

// Another copy of the program (the same device under another name) takes the lock; another
// program the terminal's exclusive flag, which this privileged test process could open past.
TEST_F(TermiosSerialLayerTest, ADeviceHeldByAnotherOpenerDoesNotOpenUntilItLetsGo) {
  Link("COM2", "COM1");
  const struct {
    const char* holder;
    std::function<std::function<void()>()> hold;  // returns how the holder lets go
  } cases[] = {
      {"another copy of the program",
       [this] {
         auto other =
             std::make_shared<TermiosSerialLayer>(programDirectory_.Path(), QtPostToUiThread());
         EXPECT_TRUE(other->SetCommPort(2) && other->Open());
         return [other] { other->Close(); };
       }},
      {"another program's exclusive open",
       [this] {
         EXPECT_EQ(ioctl(pty_.Slave(), TIOCEXCL), 0);
         return [this] { EXPECT_EQ(ioctl(pty_.Slave(), TIOCNXCL), 0); };
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.holder);
    const std::function<void()> letGo = c.hold();
    EXPECT_FALSE(layer_->Open());
    EXPECT_FALSE(layer_->IsOpen());
    letGo();
    EXPECT_TRUE(layer_->Open());
    layer_->Close();
  }
}

// While the layer holds the device, every other descriptor finds it locked and exclusive; closing
// or destroying the layer lets go of both, and a destroyed layer says nothing of the bytes it had
// handed over.
TEST_F(TermiosSerialLayerTest, TheLayerHoldsTheDeviceUntilClosedOrDestroyed) {
  const struct {
    const char* release;
    std::function<void()> letGo;
  } cases[] = {
      {"closed", [this] { layer_->Close(); }},
      {"destroyed with bytes handed over", [this] { layer_.reset(); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.release);
    if (!layer_) layer_ = MakeLayer();
    ASSERT_TRUE(layer_->Open());
    const int other = OpenDevice();
    ASSERT_GE(other, 0);
    EXPECT_NE(flock(other, LOCK_EX | LOCK_NB), 0);
    EXPECT_TRUE(HeldExclusively());
    notifications_ = {};
    const int postsBefore = posts_;
    ASSERT_TRUE(pty_.Send("abc"));
    ASSERT_TRUE(WaitForPostsWithoutEvents(postsBefore + 1));
    c.letGo();
    RunPendingEvents();
    EXPECT_TRUE(notifications_.events.empty());
    EXPECT_EQ(flock(other, LOCK_EX | LOCK_NB), 0);
    EXPECT_FALSE(HeldExclusively());
    close(other);
  }
}

// The rest of the batch came on the port that was closed; a port opened again delivers what
// comes after.
TEST_F(TermiosSerialLayerTest, AHandlerThatClosesThePortStopsTheDelivery) {
  for (const bool reopen : {false, true}) {
    SCOPED_TRACE(reopen ? "closed and reopened" : "closed");
    notifications_ = {};
    layer_->SetCommHandler([this, reopen](CommEvent event) {
      Record(*layer_, event);
      if (notifications_.received.size() != 3) return;
      layer_->Close();
      if (reopen) {
        EXPECT_TRUE(layer_->Open());
      }
    });
    ASSERT_TRUE(layer_->Open());
    ASSERT_TRUE(pty_.Send("abcdefgh"));
    ASSERT_TRUE(RunEventsUntil([&] { return notifications_.received.size() >= 3; }));
    RunPendingEvents();
    EXPECT_EQ(notifications_.received, "abc");
    EXPECT_EQ(notifications_.events.size(), 3u);
    EXPECT_EQ(layer_->IsOpen(), reopen);
    if (!reopen) continue;
    ASSERT_TRUE(pty_.Send("xy"));
    ASSERT_TRUE(ReceiveUntil(5));
    EXPECT_EQ(notifications_.received, "abcxy");
    layer_->Close();
  }
}

TEST_F(TermiosSerialLayerTest, LosingTheDeviceClosesThePortAndSaysSoOnce) {
  ASSERT_TRUE(layer_->Open());
  const std::string bytes = std::string{kStartByte} + "2024";
  ASSERT_TRUE(pty_.Send(bytes));
  ASSERT_TRUE(ReceiveUntil(bytes.size()));
  pty_.CloseMaster();
  ASSERT_TRUE(RunEventsUntil([&] { return notifications_.Count(CommEvent::kPortLost) > 0; }));
  RunPendingEvents();
  EXPECT_FALSE(layer_->IsOpen());
  EXPECT_EQ(notifications_.Count(CommEvent::kPortLost), 1u);
  EXPECT_EQ(notifications_.events.size(), bytes.size() + 1);
  EXPECT_EQ(notifications_.events.back(), CommEvent::kPortLost);
  EXPECT_EQ(notifications_.received, bytes);
}

}  // namespace
}  // namespace gpsclock
