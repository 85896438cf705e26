// Event routing: every event from the serial layer, the timers, the menus and the settings dialog
// reaches its parts here and ends with the shell's redraw.
#include "receiver/program.h"

namespace gpsclock {

Program::Program(PlatformServices services) : platform_(services) {
  platform_.serial.SetCommHandler([this](CommEvent event) { OnComm(event); });
  platform_.Timer1.SetTickHandler([this] { OnTimer1Tick(); });
  platform_.Timer2.SetTickHandler([this] { OnTimer2Tick(); });
  platform_.FrameExpiry.SetTickHandler([this] { OnFrameExpiryTick(); });
}

void Program::OnComm(CommEvent event) {
  switch (event) {
    case CommEvent::kReceive:
      HandleReceivedChar(platform_.serial.Input().front());
      break;
    case CommEvent::kPortLost:
      port_.ShowPortLost();
      break;
  }
  Finish();
}

void Program::HandleReceivedChar(char received) {
  switch (assembler_.HandleReceivedChar(received)) {
    case FrameEvent::kMark:
      HandleMark();
      break;
    case FrameEvent::kStartByte:
      ShowStartByte();
      break;
    case FrameEvent::kDecoded:
      HandleDecodedFrame();
      break;
    case FrameEvent::kAccepted:
      lockStatus_.LogLockChange(assembler_.ReceivedTime());
      break;
    case FrameEvent::kRejected:
      displays_.KeepLocalClockRunning();
      break;
    case FrameEvent::kNone:
      break;
  }
}

// The start byte that follows an accepted frame is the on-time mark. The clock is set first:
// nothing is drawn before it, and what the other steps change is only shown after the event.
void Program::HandleMark() {
  if (!sync_.SyncEnabled()) {
    ShowStartByte();
    displays_.KeepLocalClockRunning();
    return;
  }
  correction_.CorrectLocalClock(assembler_.ReceivedTime(), lockStatus_.Locked(),
                                port_.BaudDelayMs());
  assembler_.DropWaitingFrame();
  ShowStartByte();
  displays_.ShowGpsClock(assembler_.ReceivedTime());
  displays_.ShowLocalClockAtMark(correction_.LocalTime(), lockStatus_.SignalUnlocked());
  displays_.KeepLocalClockRunning();
}

// Every start byte: the receive indicator, the received clock's colours and its blanked time.
void Program::ShowStartByte() {
  displays_.ShowMarkIndicators(lockStatus_.Locked());
  displays_.BlankGpsClock();
}

void Program::HandleDecodedFrame() {
  const char status = assembler_.Status();
  if (status == frame::kNotLocked) lockStatus_.UpdateLockStatus(false);
  if (status == frame::kLocked) lockStatus_.UpdateLockStatus(true);
  displays_.RephaseLocalClock(lockStatus_.SignalUnlocked());
}

void Program::OnTimer1Tick() {
  displays_.ShowLocalClock();
  Finish();
}

void Program::OnTimer2Tick() {
  displays_.EndMarkBlink();
  Finish();
}

void Program::OnFrameExpiryTick() {
  assembler_.ExpireFrame();
  Finish();
}

void Program::OnSetPortCommand() {
  settingsDialog_.Show();
  Finish();
}

void Program::OnDisconnectCommand() {
  port_.Toggle();
  displays_.KeepLocalClockRunning();
  Finish();
}

void Program::OnStopTimeCommand() {
  sync_.Toggle();
  displays_.KeepLocalClockRunning();
  Finish();
}

void Program::OnDialogOk() {
  settingsDialog_.Accept();
  port_.ReopenForDialog();
  Finish();
}

void Program::OnDialogCancel() {
  settingsDialog_.Dismiss();
  Finish();
}

void Program::Finish() const {
  if (afterEvent) afterEvent();
}

}  // namespace gpsclock
