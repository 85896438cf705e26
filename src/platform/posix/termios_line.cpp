// Settings for a device that only talks: the receiver ignores the modem lines (CLOCAL) and the
// program never sends, so nothing may hold its bytes back or turn them into anything else.
#include "platform/posix/termios_line.h"

#include <array>
#include <utility>

namespace gpsclock {
namespace {

constexpr std::array<std::pair<int, speed_t>, 11> kSpeeds = {{
    {110, B110},
    {300, B300},
    {600, B600},
    {1200, B1200},
    {2400, B2400},
    {4800, B4800},
    {9600, B9600},
    {19200, B19200},
    {38400, B38400},
    {57600, B57600},
    {115200, B115200},
}};

tcflag_t CharacterSize(int dataBits) {
  switch (dataBits) {
    case 5:
      return CS5;
    case 6:
      return CS6;
    case 7:
      return CS7;
    default:
      return CS8;
  }
}

tcflag_t ParityFlags(Parity parity) {
  switch (parity) {
    case Parity::kNone:
      return 0;
    case Parity::kEven:
      return PARENB;
    case Parity::kOdd:
      return PARENB | PARODD;
    case Parity::kMark:
      return PARENB | CMSPAR | PARODD;
    case Parity::kSpace:
      return PARENB | CMSPAR;
  }
  return 0;
}

}  // namespace

std::optional<speed_t> TermiosSpeed(int baud) {
  for (const auto& [bitsPerSecond, speed] : kSpeeds) {
    if (bitsPerSecond == baud) return speed;
  }
  return {};
}

bool ApplyLineSettings(int descriptor, const LineSettings& settings) {
  const std::optional<speed_t> speed = TermiosSpeed(settings.baud);
  termios line{};
  if (!speed || tcgetattr(descriptor, &line) != 0) return false;
  cfmakeraw(&line);
  line.c_iflag &= ~(IXOFF | IXANY | INPCK);
  line.c_cflag &= ~(CSIZE | CSTOPB | PARENB | PARODD | CMSPAR | CRTSCTS);
  line.c_cflag |= CLOCAL | CREAD | CharacterSize(settings.dataBits) |
                  (settings.stopBits == 2 ? CSTOPB : 0) | ParityFlags(settings.parity);
  // With parity on, a character that fails it reads as a NUL, never as a start byte.
  if (settings.parity != Parity::kNone) line.c_iflag |= INPCK;
  // A read returns at the first byte, or after a tenth of a second of silence, when the reader
  // thread looks whether the port is being closed.
  line.c_cc[VMIN] = 0;
  line.c_cc[VTIME] = 1;
  return cfsetispeed(&line, *speed) == 0 && cfsetospeed(&line, *speed) == 0 &&
         tcsetattr(descriptor, TCSANOW, &line) == 0;
}

}  // namespace gpsclock
