// Bytes go to the handler one by one as Qt reads them, and the first error that means the device
// went away closes the port: Qt would otherwise repeat it as fast as the event loop turns.
#include "platform/qt/qt_serial_layer.h"

#include <sys/ioctl.h>

#include <ctime>

#include "platform/posix/low_latency.h"
#include "platform/posix/serial_device_path.h"

namespace gpsclock {
namespace {

QSerialPort::Parity QtParity(Parity parity) {
  switch (parity) {
    case Parity::kNone:
      return QSerialPort::NoParity;
    case Parity::kEven:
      return QSerialPort::EvenParity;
    case Parity::kOdd:
      return QSerialPort::OddParity;
    case Parity::kMark:
      return QSerialPort::MarkParity;
    case Parity::kSpace:
      return QSerialPort::SpaceParity;
  }
  return QSerialPort::NoParity;
}

// A closed port keeps the settings for its next open; an open one takes them at once.
bool ApplySettings(QSerialPort& port, const LineSettings& settings) {
  return port.setBaudRate(settings.baud) &&
         port.setDataBits(static_cast<QSerialPort::DataBits>(settings.dataBits)) &&
         port.setParity(QtParity(settings.parity)) &&
         port.setStopBits(settings.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
}

std::int64_t ReadClockNs(clockid_t clock) {
  timespec now{};
  clock_gettime(clock, &now);
  return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

// What the driver holds that has not been read yet; 0 when it cannot say.
std::int32_t DriverHolds(int descriptor) {
  int count = 0;
  return ioctl(descriptor, FIONREAD, &count) == 0 ? count : 0;
}

}  // namespace

QtSerialLayer::QtSerialLayer(std::string programDirectory)
    : programDirectory_(std::move(programDirectory)) {
  QObject::connect(&port_, &QSerialPort::readyRead, &port_, [this] { DeliverReceived(); });
  QObject::connect(&port_, &QSerialPort::errorOccurred, &port_,
                   [this](QSerialPort::SerialPortError error) { HandleError(error); });
}

// Closing here, not in QSerialPort's destructor, keeps the errors of closing away from the handler.
QtSerialLayer::~QtSerialLayer() {
  Close();
}

bool QtSerialLayer::SetSettings(const std::string& settings) {
  const auto parsed = ParseLineSettings(settings);
  if (!parsed) return false;
  settings_ = *parsed;
  return !open_ || ApplySettings(port_, settings_);
}

bool QtSerialLayer::SetCommPort(std::int16_t portNumber) {
  if (portNumber < 1) return false;
  portNumber_ = portNumber;
  return true;
}

bool QtSerialLayer::SetInputMode(int mode) {
  return mode == 0;
}

bool QtSerialLayer::Open() {
  if (open_) return false;
  const auto path = SerialDevicePath(programDirectory_, portNumber_);
  if (!path) return false;
  port_.setPortName(QString::fromStdString(*path));
  // The device only talks, so the port is never written.
  if (!ApplySettings(port_, settings_) || !port_.open(QIODevice::ReadOnly)) return false;
  // Bytes that waited in the terminal before the open are of unknown age (a pseudo-terminal keeps
  // what another program left unread), and a start byte after them would make them a mark.
  if (!port_.clear(QSerialPort::Input)) {
    port_.close();
    return false;
  }
  // Without low latency the port still works, only the start byte may arrive a little later.
  lowLatency_ = RequestLowLatency(static_cast<int>(port_.handle()));
  open_ = true;
  return true;
}

void QtSerialLayer::Close() {
  if (!open_) return;
  open_ = false;
  ++closes_;
  port_.close();
}

std::string QtSerialLayer::Input() {
  return std::string(1, current_);
}

// Qt announces bytes straight after its own read(), so the clocks are read first of all: the
// stamp is what the mark's sample and the age test stand on. One stamp serves the whole batch.
void QtSerialLayer::DeliverReceived() {
  const std::uint64_t closes = closes_;
  // Qt does not announce bytes again while a handler is running (in a nested event loop, say),
  // so whatever has arrived by the end of a batch is delivered before returning.
  while (closes_ == closes && port_.bytesAvailable() > 0) {
    arrival_.realtimeNs = ReadClockNs(CLOCK_REALTIME);
    arrival_.monotonicNs = ReadClockNs(CLOCK_MONOTONIC);
    const std::int32_t heldByDriver = DriverHolds(static_cast<int>(port_.handle()));
    const QByteArray bytes = port_.readAll();
    const auto behindBatch = static_cast<std::int32_t>(port_.bytesAvailable()) + heldByDriver;
    for (qsizetype index = 0; index < bytes.size(); ++index) {
      if (closes_ != closes) return;
      current_ = bytes[index];
      arrival_.bytesBehind = static_cast<std::int32_t>(bytes.size() - 1 - index) + behindBatch;
      if (handler_) handler_(CommEvent::kReceive);
    }
  }
}

void QtSerialLayer::HandleError(QSerialPort::SerialPortError error) {
  // A hung-up tty (pty master closed, USB adapter pulled) reads as end of file, which Qt reports
  // as ReadError; a vanished device gives ResourceError. Errors of opening arrive while closed.
  if (!open_ || (error != QSerialPort::ReadError && error != QSerialPort::ResourceError)) return;
  Close();
  if (handler_) handler_(CommEvent::kPortLost);
}

}  // namespace gpsclock
