// Event routing: every event from the serial layer, the timers, the menus and the settings dialog
// reaches its handler here and ends with the shell's redraw.
#include "receiver/program.h"

#include "clock/clock_displays.h"
#include "clock/sync_switch.h"
#include "config/settings_dialog.h"
#include "port/port_control.h"
#include "receiver/frame_assembler.h"

namespace gpsclock {

Program::Program(PlatformServices services) : platform(services) {
  platform.serial.SetCommHandler([this](CommEvent event) { OnComm(event); });
  platform.Timer1.SetTickHandler([this] { OnTimer1Tick(); });
  platform.Timer2.SetTickHandler([this] { OnTimer2Tick(); });
  platform.FrameExpiry.SetTickHandler([this] { OnFrameExpiryTick(); });
}

void Program::OnComm(CommEvent event) {
  switch (event) {
    case CommEvent::kReceive:
      state.LastRx = platform.serial.Input();
      HandleReceivedChar(*this);
      break;
    case CommEvent::kPortLost:
      ShowPortLost(*this);
      break;
  }
  Finish();
}

void Program::OnTimer1Tick() {
  ShowLocalClock(*this);
  Finish();
}

void Program::OnTimer2Tick() {
  EndMarkBlink(*this);
  Finish();
}

void Program::OnFrameExpiryTick() {
  ExpireFrame(*this);
  Finish();
}

void Program::OnSetPortCommand() {
  ShowSettingsDialog(*this);
  Finish();
}

void Program::OnDisconnectCommand() {
  TogglePort(*this);
  Finish();
}

void Program::OnStopTimeCommand() {
  ToggleSync(*this);
  Finish();
}

void Program::OnDialogOk() {
  AcceptSettingsDialog(*this);
  Finish();
}

void Program::OnDialogCancel() {
  DismissSettingsDialog(*this);
  Finish();
}

void Program::Finish() const {
  if (afterEvent) afterEvent();
}

}  // namespace gpsclock
