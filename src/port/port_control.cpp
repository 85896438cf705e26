// Port control. A port that fails to open, or goes away, is shown closed: the display never
// claims an open port that delivers nothing.
#include "port/port_control.h"

#include "port/baud_table.h"
#include "receiver/program.h"

namespace gpsclock {
namespace {

void ShowClosedState(Program& program) {
  program.window.Shape1.SetFill(kDarkGreen);
  program.settings.PortClosed = true;
  program.window.Disconnect.SetCaption(std::string(kConnectCaption));
  program.window.Label2.SetCaption(std::string(kPortClosedCaption));
  // The first start byte after a later reopen must not find a stale frame waiting.
  program.state.FrameReady = false;
}

// The open path of start-up and of the toggle. A baud code outside the table leaves the settings
// text without a speed, so the layer rejects it and the port opens at its previous settings.
void OpenPort(Program& program) {
  SharedSettings& settings = program.settings;
  SerialLayer& serial = program.platform.serial;
  program.window.Disconnect.SetCaption(std::string(kDisconnectCaption));
  const auto baud = LookUpBaudCode(settings.BaudCode);
  program.state.PortSettings = baud ? baud->speedText : std::string_view();
  if (baud) settings.BaudDelayMs = baud->delayMs;
  program.window.Shape1.SetFill(kBrightGreen);
  program.state.PortSettings += kLineSettingsSuffix;
  serial.SetSettings(program.state.PortSettings);
  serial.SetCommPort(settings.PortNumber);
  serial.SetInputMode(0);
  settings.PortClosed = false;
  if (!serial.Open()) {
    ShowClosedState(program);
    return;
  }
  program.window.Label2.SetCaption(std::string(kPortOpenCaption));
}

// PortClosed may disagree with the port after a failure, so only a port that reports open is
// closed.
void ClosePort(Program& program) {
  if (program.platform.serial.IsOpen()) program.platform.serial.Close();
  ShowClosedState(program);
}

}  // namespace

void OpenPortAtStartUp(Program& program) {
  OpenPort(program);
  program.platform.Timer1.Enable();
}

void TogglePort(Program& program) {
  if (program.settings.PortClosed) {
    OpenPort(program);
  } else {
    ClosePort(program);
  }
  program.platform.Timer1.Enable();
}

void ReopenPortForDialog(Program& program) {
  SerialLayer& serial = program.platform.serial;
  if (!serial.IsOpen()) return;
  serial.Close();
  // The new port may lead to no device: a frame received on the old one must not make the first
  // start byte that comes after it, maybe minutes later, a mark.
  program.state.FrameReady = false;
  const auto baud = LookUpBaudCode(program.settings.BaudCode);
  std::string settingsText(baud ? baud->speedText : std::string_view());
  settingsText += kLineSettingsSuffix;
  serial.SetSettings(settingsText);
  serial.SetCommPort(program.settings.PortNumber);
  if (!serial.Open()) ShowClosedState(program);
}

void ShowPortLost(Program& program) {
  ShowClosedState(program);
}

}  // namespace gpsclock
