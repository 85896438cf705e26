// The reads are overlapped, so that the layer's stop ends a read that waits: Wine cancels no
// synchronous read, and a port that hangs up there (the other side of a pseudo-terminal closed)
// fails an overlapped read with ERROR_BROKEN_PIPE, where a synchronous one ends without bytes and
// without an error. The first read asks for one byte and ends the moment it is there; the clocks
// are read first of all after.
#include "platform/win32/com_port_reader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "platform/win32/clock_stamp.h"

namespace gpsclock {
namespace {

// Larger than a driver's usual input buffer (4 KiB), so one batch takes all that waited.
constexpr DWORD kReadSize = 16384;

// What the driver holds that has not been read yet; 0 when it cannot say.
DWORD DriverHolds(HANDLE port) {
  DWORD errors = 0;
  COMSTAT status{};
  return ClearCommError(port, &errors, &status) ? status.cbInQue : 0;
}

class PortReads {
 public:
  PortReads(HANDLE port, HANDLE stop) : port_(port), stop_(stop) {
    done_.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  }
  ~PortReads() {
    if (done_.hEvent != nullptr) CloseHandle(done_.hEvent);
  }
  PortReads(const PortReads&) = delete;
  PortReads& operator=(const PortReads&) = delete;

  bool CanWait() const { return done_.hEvent != nullptr; }

  // The bytes read, `size` of them; 0 when the read failed or the stop ended it. A read the stop
  // ends is cancelled and waited for, so that nothing writes to `bytes` any more.
  DWORD Read(char* bytes, DWORD size) {
    if (!ReadFile(port_, bytes, size, nullptr, &done_) && GetLastError() != ERROR_IO_PENDING) {
      return 0;
    }
    // The stop comes first, so that a port that always has a byte ready still stops.
    const std::array ends = {stop_, done_.hEvent};
    if (WaitForMultipleObjects(ends.size(), ends.data(), FALSE, INFINITE) != WAIT_OBJECT_0 + 1) {
      CancelIoEx(port_, &done_);
    }
    DWORD count = 0;
    return GetOverlappedResult(port_, &done_, &count, TRUE) ? count : 0;
  }

 private:
  const HANDLE port_;
  const HANDLE stop_;
  OVERLAPPED done_{};
};

}  // namespace

void ReadComPort(HANDLE port, HANDLE stop, std::shared_ptr<BatchInbox> inbox) {
  std::array<char, kReadSize> buffer{};
  PortReads reads(port, stop);
  // A port that can no longer be waited on is as good as gone.
  while (reads.CanWait() && reads.Read(buffer.data(), 1) == 1) {
    const ClockStamp stamp = ReadClockStamp();
    // The bytes that arrived behind the first are read at once: they are there.
    const DWORD held = DriverHolds(port);
    const DWORD behind = std::min(held, kReadSize - 1);
    const DWORD taken = behind > 0 ? reads.Read(buffer.data() + 1, behind) : 0;
    inbox->Push({std::string(buffer.data(), 1 + taken), stamp.realtimeNs, stamp.monotonicNs,
                 static_cast<std::int32_t>(held - taken)});
    if (taken != behind) break;
  }
  // A read that fails without the stop is a device gone: the adapter pulled out, or under Wine
  // the pseudo-terminal's other side closed.
  if (WaitForSingleObject(stop, 0) != WAIT_OBJECT_0) inbox->PushPortLost();
}

}  // namespace gpsclock
