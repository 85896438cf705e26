// Windows gives a COM port to one opener at a time, and takes it back when the process ends
// however it ends: the port needs no claim of the layer's own.
#include "platform/win32/win32_serial_layer.h"

#include <system_error>

#include "platform/win32/com_port_reader.h"
#include "platform/win32/comm_line.h"

namespace gpsclock {
namespace {

void CloseBoth(HANDLE port, HANDLE stop) {
  if (stop != nullptr) CloseHandle(stop);
  CloseHandle(port);
}

}  // namespace

Win32SerialLayer::Win32SerialLayer(PostToUiThread post)
    : delivery_(std::move(post), [this] { Close(); }) {}

Win32SerialLayer::~Win32SerialLayer() {
  Close();
}

bool Win32SerialLayer::SetSettings(const std::string& settings) {
  const auto parsed = ParseLineSettings(settings);
  if (!parsed) return false;
  if (IsOpen() && !ApplyLineSettings(port_, *parsed)) return false;
  settings_ = *parsed;
  return true;
}

bool Win32SerialLayer::SetCommPort(std::int16_t portNumber) {
  if (portNumber < 1) return false;
  portNumber_ = portNumber;
  return true;
}

bool Win32SerialLayer::SetInputMode(int mode) {
  return mode == 0;
}

bool Win32SerialLayer::Open() {
  if (IsOpen()) return false;
  // The device only talks, so the port is only read; the settings need no write access.
  const std::wstring name = L"\\\\.\\COM" + std::to_wstring(portNumber_);
  const HANDLE port = CreateFileW(name.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_OVERLAPPED, nullptr);
  if (port == INVALID_HANDLE_VALUE) return false;
  const HANDLE stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  // Bytes that waited in the driver before the open are of unknown age, and a start byte after
  // them would make them a mark.
  if (stop == nullptr || !ApplyLineSettings(port, settings_) || !ReadFromNowOn(port)) {
    CloseBoth(port, stop);
    return false;
  }
  try {
    reader_ = std::thread(ReadComPort, port, stop, delivery_.StartPort());
  } catch (const std::system_error&) {
    delivery_.StopPort();
    CloseBoth(port, stop);
    return false;
  }
  port_ = port;
  stop_ = stop;
  return true;
}

// The reader thread is stopped and ended before the port's handle closes, so it never reads a
// closed (or reused) handle. Setting an event that exists cannot fail.
void Win32SerialLayer::Close() {
  if (!IsOpen()) return;
  delivery_.StopPort();
  SetEvent(stop_);
  reader_.join();
  CloseBoth(port_, stop_);
  port_ = nullptr;
  stop_ = nullptr;
}

}  // namespace gpsclock
