// The COM port layer under Wine, against a pseudo-terminal standing in for the clock device: the
// Wine prefix's COM1 leads to it (tools/wine-run), and socat sends there what the test writes to
// a FIFO. Wine cannot show a port that another program holds (it lets a second opener in), nor a
// USB adapter: its driver, its latency timer, its removal (here the pseudo-terminal hangs up).
#include "platform/win32/win32_serial_layer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "event_loop.h"
#include "platform/win32/clock_stamp.h"
#include "platform/win32/ui_thread_tasks.h"
#include "platform/win32/wide_text.h"
#include "temp_directory.h"

namespace gpsclock {
namespace {

// One test, so that one program at a time has COM1: rejected settings, a backlog of every byte
// value, a handler that closes the port, the device's end.
TEST(Win32SerialLayerTest, ReadsStampsAndLosesTheClockDeviceOnCom1) {
  wchar_t link[MAX_PATH] = {};
  DWORD size = sizeof link;
  ASSERT_EQ(RegGetValueW(HKEY_LOCAL_MACHINE, L"Software\\Wine\\Ports", L"COM1", RRF_RT_REG_SZ,
                         nullptr, link, &size),
            ERROR_SUCCESS);
  // socat ends when the test closes the FIFO, or after 60 s should the test never open it.
  std::wstring device = L"/usr/bin/timeout 60 /usr/bin/socat -U PTY,unlink-close=0,link=";
  device += link + std::wstring(L" PIPE:device");
  const TempDirectory directory;
  const std::wstring folder = ToWide(CP_UTF8, directory.Path()).value();
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  ASSERT_TRUE(CreateProcessW(nullptr, device.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             folder.c_str(), &startup, &started));
  HANDLE line = INVALID_HANDLE_VALUE;
  ASSERT_TRUE(RunEventsUntil([&] {
    line = CreateFileW((folder + L"\\device").c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                       nullptr);
    return line != INVALID_HANDLE_VALUE;
  }));
  const auto send = [&](const std::string& bytes) {
    DWORD written = 0;
    return WriteFile(line, bytes.data(), bytes.size(), &written, nullptr) &&
           written == bytes.size();
  };

  const auto tasks = UiThreadTasks::Create();
  std::atomic<int> posts = 0;
  Win32SerialLayer layer([&](std::function<void()> task) {
    ++posts;
    return tasks->Post(std::move(task));
  });
  std::string received;
  std::vector<ByteArrival> arrivals;
  std::vector<CommEvent> events;
  layer.SetCommHandler([&](CommEvent event) {
    events.push_back(event);
    if (event == CommEvent::kPortLost) return;
    received += layer.Input();
    arrivals.push_back(layer.InputArrival());
    if (received == "abc") layer.Close();  // at the third byte of "abcdefgh"
  });
  EXPECT_FALSE(layer.SetSettings("9601,n,8,1") || layer.SetCommPort(0) || layer.SetInputMode(1));
  ASSERT_TRUE(layer.Open());

  // Every byte value comes through as it is, read at once: one stamp, taken by the reader thread
  // before the user-interface thread ran, and the bytes behind each counting down.
  std::string backlog;
  for (int value = 0; value < 256; ++value) backlog += static_cast<char>(value);
  const std::int64_t before = ReadClockStamp().monotonicNs;
  ASSERT_TRUE(send(backlog));
  for (int waited = 0; waited < 5000 && posts == 0; ++waited) Sleep(1);
  const std::int64_t after = ReadClockStamp().monotonicNs;
  ASSERT_TRUE(RunEventsUntil([&] { return received.size() == backlog.size(); }));
  EXPECT_EQ(received, backlog);
  for (std::size_t index = 0; index < arrivals.size(); ++index) {
    EXPECT_EQ(arrivals[index].bytesBehind, static_cast<std::int32_t>(backlog.size() - 1 - index));
    EXPECT_EQ(arrivals[index].monotonicNs, arrivals[0].monotonicNs);
  }
  EXPECT_TRUE(before <= arrivals[0].monotonicNs && arrivals[0].monotonicNs <= after);

  // A handler that closes the port ends the batch: the rest came on the closed port. Then the
  // device goes away: after its bytes, the port is closed and its loss told once.
  received.clear();
  ASSERT_TRUE(send("abcdefgh") && RunEventsUntil([&] { return !layer.IsOpen(); }));
  RunPendingEvents();
  EXPECT_EQ(received, "abc");
  events.clear();
  ASSERT_TRUE(layer.Open() && send("12345") && RunEventsUntil([&] { return events.size() == 5; }));
  CloseHandle(line);
  ASSERT_TRUE(RunEventsUntil([&] { return !layer.IsOpen(); }));
  RunPendingEvents();
  EXPECT_EQ(received, "abc12345");
  EXPECT_EQ(events.size(), 6u);
  EXPECT_EQ(events.back(), CommEvent::kPortLost);
}

}  // namespace
}  // namespace gpsclock
