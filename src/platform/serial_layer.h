// The serial layer the port control drives: the operations of the serial control, one receive
// notification per received byte.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace gpsclock {

// When and how the byte of a kReceive notification arrived, read right after the read that
// returned it.
struct ByteArrival {
  std::int64_t realtimeNs = 0;   // CLOCK_REALTIME, the PC clock as it was then
  std::int64_t monotonicNs = 0;  // CLOCK_MONOTONIC at the same moment
  // Bytes that had already arrived after it by then: the rest of the same read and what the
  // driver still held. Each came at least one character time later, so the count bounds the
  // byte's age from below.
  std::int32_t bytesBehind = 0;
};

// Event codes of a receive notification. Only kReceive carries data; kPortLost tells that the
// device went away and the layer has already closed the port.
enum class CommEvent : std::int16_t {
  kReceive = 2,
  kPortLost = 1012,
};

class SerialLayer {
 public:
  using CommHandler = std::function<void(CommEvent)>;

  virtual ~SerialLayer() = default;

  // "speed,n,8,1"; a text without a valid speed is rejected and the previous settings stay.
  virtual bool SetSettings(const std::string& settings) = 0;
  // Port number n (COM n); a number below 1 is rejected and the previous number stays.
  virtual bool SetCommPort(std::int16_t portNumber) = 0;
  // 0 = text; any other mode is rejected.
  virtual bool SetInputMode(int mode) = 0;
  // Opens the selected port with the current settings; false when it is missing, in use or open.
  virtual bool Open() = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
  // The character that raised the current kReceive notification, as a one-character string.
  virtual std::string Input() = 0;
  // Of the byte of the current kReceive notification.
  virtual ByteArrival InputArrival() const = 0;
  // Called once per received byte, in order, and once when the port is lost.
  virtual void SetCommHandler(CommHandler handler) = 0;
};

}  // namespace gpsclock
