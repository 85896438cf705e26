// A raw line passes CR and LF through untouched and echoes nothing back.
#include "raw_line.h"

#include <termios.h>

namespace gpsclock::simulator {
namespace {

bool SpeedOf(int baud, speed_t& speed) {
  switch (baud) {
    case 1200:
      speed = B1200;
      return true;
    case 2400:
      speed = B2400;
      return true;
    case 4800:
      speed = B4800;
      return true;
    case 9600:
      speed = B9600;
      return true;
    default:
      return false;
  }
}

}  // namespace

bool SetRawLine(int descriptor, int baud) {
  speed_t speed{};
  termios settings{};
  if (!SpeedOf(baud, speed) || tcgetattr(descriptor, &settings) != 0) return false;
  cfmakeraw(&settings);
  settings.c_cflag &= ~(CSTOPB | PARENB);
  settings.c_cflag |= CLOCAL;
  return cfsetispeed(&settings, speed) == 0 && cfsetospeed(&settings, speed) == 0 &&
         tcsetattr(descriptor, TCSANOW, &settings) == 0;
}

}  // namespace gpsclock::simulator
