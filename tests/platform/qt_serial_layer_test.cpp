// The Qt serial layer against a pty standing in for the clock device, linked as the program
// directory's COM1. No test opens a /dev/ttyS device: every port number used has a link.
#include "platform/qt/qt_serial_layer.h"

#include <gtest/gtest.h>
#include <termios.h>
#include <unistd.h>

#include <ctime>

#include <algorithm>
#include <memory>
#include <vector>

#include "event_loop.h"
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

class QtSerialLayerTest : public testing::Test {
 protected:
  QtSerialLayerTest() {
    EnsureApplication();
    Link("COM1", pty_.SlavePath());
    layer_->SetCommHandler([this](CommEvent event) { Record(*layer_, event); });
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

  TempDirectory programDirectory_;
  PseudoTerminal pty_;
  std::unique_ptr<QtSerialLayer> layer_ = std::make_unique<QtSerialLayer>(programDirectory_.Path());
  Notifications notifications_;
};

TEST_F(QtSerialLayerTest, DeliversEveryByteInOrderWithOneNotificationEach) {
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
  return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

// A backlog that waited before the program read it is one read: every byte is stamped at that
// read, and counts the bytes of the backlog after it as behind it.
TEST_F(QtSerialLayerTest, StampsEveryByteAtItsReadWithTheBytesThatArrivedAfterIt) {
  ASSERT_TRUE(layer_->Open());
  const std::string backlog = FrameStream().substr(0, kFrameLength);
  const std::int64_t realtimeBefore = ClockNs(CLOCK_REALTIME);
  const std::int64_t monotonicBefore = ClockNs(CLOCK_MONOTONIC);
  ASSERT_TRUE(pty_.Send(backlog));
  ASSERT_TRUE(ReceiveUntil(backlog.size()));
  const std::int64_t realtimeAfter = ClockNs(CLOCK_REALTIME);
  const std::int64_t monotonicAfter = ClockNs(CLOCK_MONOTONIC);
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
TEST_F(QtSerialLayerTest, OpensWithTheSettingsAndTakesNewOnesWhileOpen) {
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

TEST_F(QtSerialLayerTest, RejectedSettingsLeaveThePreviousInForce) {
  ASSERT_TRUE(layer_->SetSettings("4800,n,8,1"));
  for (const char* text : {",n,8,1", "9601,n,8,1", "abc,n,8,1", "9600,x,8,1", "9600,n,8"}) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(layer_->SetSettings(text));
  }
  ASSERT_TRUE(layer_->Open());
  const termios settings = SlaveSettings();
  EXPECT_EQ(cfgetispeed(&settings), B4800);
}

TEST_F(QtSerialLayerTest, PortNumbersBelowOneAreRejectedAndThePreviousStays) {
  // COM1 leads nowhere here, so only COM2, the pty, can open.
  ASSERT_EQ(unlink((programDirectory_.Path() + "/COM1").c_str()), 0);
  Link("COM1", "/nonexistent/ttyUSB0");
  Link("COM2", pty_.SlavePath());
  ASSERT_TRUE(layer_->SetCommPort(2));
  EXPECT_FALSE(layer_->SetCommPort(0));
  EXPECT_FALSE(layer_->SetCommPort(-1));
  EXPECT_TRUE(layer_->Open());
}

TEST_F(QtSerialLayerTest, OnlyTextInputModeIsAccepted) {
  EXPECT_TRUE(layer_->SetInputMode(0));
  for (const int mode : {1, 2, -1}) {
    SCOPED_TRACE(mode);
    EXPECT_FALSE(layer_->SetInputMode(mode));
  }
}

TEST_F(QtSerialLayerTest, AMissingDeviceDoesNotOpen) {
  Link("COM2", "/nonexistent/ttyUSB0");
  ASSERT_TRUE(layer_->SetCommPort(2));
  EXPECT_FALSE(layer_->Open());
  EXPECT_FALSE(layer_->IsOpen());
}

TEST_F(QtSerialLayerTest, AnOpenPortDoesNotOpenAgainAndKeepsReceiving) {
  ASSERT_TRUE(layer_->Open());
  EXPECT_FALSE(layer_->Open());
  EXPECT_TRUE(layer_->IsOpen());
  const std::string bytes = std::string{kStartByte} + "12";
  ASSERT_TRUE(pty_.Send(bytes));
  ASSERT_TRUE(ReceiveUntil(bytes.size()));
  EXPECT_EQ(notifications_.received, bytes);
}

TEST_F(QtSerialLayerTest, ADeviceInUseUnderAnotherNameDoesNotOpen) {
  Link("COM2", "COM1");
  ASSERT_TRUE(layer_->Open());
  QtSerialLayer other(programDirectory_.Path());
  ASSERT_TRUE(other.SetCommPort(2));
  EXPECT_FALSE(other.Open());
  EXPECT_FALSE(other.IsOpen());
}

TEST_F(QtSerialLayerTest, APtyRefusesLowLatencyYetOpens) {
  ASSERT_TRUE(layer_->Open());
  EXPECT_FALSE(layer_->LowLatency());
}

TEST_F(QtSerialLayerTest, ClosingReleasesTheDeviceForTheNextOpen) {
  ASSERT_TRUE(layer_->Open());
  layer_->Close();
  EXPECT_FALSE(layer_->IsOpen());
  QtSerialLayer other(programDirectory_.Path());
  ASSERT_TRUE(other.Open());
  other.Close();
  EXPECT_TRUE(layer_->Open());
}

TEST_F(QtSerialLayerTest, DestroyingAnOpenLayerReleasesTheDeviceWithoutNotifying) {
  ASSERT_TRUE(layer_->Open());
  layer_.reset();
  RunPendingEvents();
  EXPECT_TRUE(notifications_.events.empty());
  QtSerialLayer other(programDirectory_.Path());
  EXPECT_TRUE(other.Open());
}

TEST_F(QtSerialLayerTest, AHandlerThatClosesThePortStopsTheDelivery) {
  layer_->SetCommHandler([this](CommEvent event) {
    Record(*layer_, event);
    if (notifications_.received.size() == 3) layer_->Close();
  });
  ASSERT_TRUE(layer_->Open());
  ASSERT_TRUE(pty_.Send("abcdefgh"));
  ASSERT_TRUE(RunEventsUntil([&] { return !layer_->IsOpen(); }));
  RunPendingEvents();
  EXPECT_EQ(notifications_.received, "abc");
  EXPECT_EQ(notifications_.events.size(), 3u);
}

TEST_F(QtSerialLayerTest, LosingTheDeviceClosesThePortAndSaysSoOnce) {
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
