// Settings for a device that only talks: the program never sends, so nothing may hold its bytes
// back or turn them into anything else, and DTR and RTS are raised as a Linux terminal raises them
// at its open.
#include "platform/win32/comm_line.h"

namespace gpsclock {
namespace {

BYTE WindowsParity(Parity parity) {
  switch (parity) {
    case Parity::kNone:
      return NOPARITY;
    case Parity::kEven:
      return EVENPARITY;
    case Parity::kOdd:
      return ODDPARITY;
    case Parity::kMark:
      return MARKPARITY;
    case Parity::kSpace:
      return SPACEPARITY;
  }
  return NOPARITY;
}

}  // namespace

bool ApplyLineSettings(HANDLE port, const LineSettings& settings) {
  DCB line{};
  line.DCBlength = sizeof line;
  if (!GetCommState(port, &line)) return false;
  line.BaudRate = static_cast<DWORD>(settings.baud);
  line.ByteSize = static_cast<BYTE>(settings.dataBits);
  line.Parity = WindowsParity(settings.parity);
  line.StopBits = settings.stopBits == 2 ? TWOSTOPBITS : ONESTOPBIT;
  line.fBinary = TRUE;
  line.fParity = settings.parity != Parity::kNone;
  // With parity on, a character that fails it reads as a NUL, never as a start byte.
  line.fErrorChar = line.fParity;
  line.ErrorChar = '\0';
  line.fOutxCtsFlow = FALSE;
  line.fOutxDsrFlow = FALSE;
  line.fDsrSensitivity = FALSE;
  line.fDtrControl = DTR_CONTROL_ENABLE;
  line.fRtsControl = RTS_CONTROL_ENABLE;
  line.fOutX = FALSE;
  line.fInX = FALSE;
  // Unused without flow control, yet SetCommState refuses the settings when the two characters are
  // equal, as a driver may report them.
  line.XonChar = 0x11;
  line.XoffChar = 0x13;
  line.fNull = FALSE;
  // A line error must not stop the reads until someone clears it.
  line.fAbortOnError = FALSE;
  return SetCommState(port, &line) != 0;
}

bool ReadFromNowOn(HANDLE port) {
  COMMTIMEOUTS noTimeouts{};
  return SetCommTimeouts(port, &noTimeouts) && PurgeComm(port, PURGE_RXCLEAR);
}

}  // namespace gpsclock
