// Event routing: every event from the serial layer, the timers, the menus and the settings dialog
// reaches its parts here and ends with the shell's redraw.
#include "receiver/program.h"

#include "platform/time_units.h"

namespace gpsclock {

Program::Program(PlatformServices services) : platform_(services) {
  platform_.serial.SetCommHandler([this](CommEvent event) { OnComm(event); });
  platform_.Timer1.SetTickHandler([this] { OnTimer1Tick(); });
  platform_.Timer2.SetTickHandler([this] { OnTimer2Tick(); });
  platform_.SignalWatch.SetTickHandler([this] { OnSignalWatchTick(); });
  platform_.PortRetry.SetTickHandler([this] { OnPortRetryTick(); });
}

void Program::OnComm(CommEvent event) {
  switch (event) {
    case CommEvent::kReceive:
      HandleReceivedChar(platform_.serial.Input().front());
      break;
    case CommEvent::kPortLost:
      port_.ShowPortLost();
      displays_.ShowNoSignal();
      break;
  }
  Finish();
}

void Program::HandleReceivedChar(char received) {
  if (received == frame::kStartByte) {
    HandleStartByte(platform_.serial.InputArrival());
    return;
  }
  switch (assembler_.HandleReceivedChar(received)) {
    case FrameEvent::kDecoded:
      if (const auto mark = assembler_.TakeConfirmedMark()) SetClockAtMark(*mark);
      HandleDecodedFrame();
      break;
    case FrameEvent::kAccepted:
      lockStatus_.LogLockChange(assembler_.ReceivedTime());
      break;
    case FrameEvent::kRejected:
      displays_.KeepLocalClockRunning();
      break;
    case FrameEvent::kNone:
    case FrameEvent::kStartByte:
    case FrameEvent::kMark:
      break;
  }
}

// Each byte behind a start byte came at least a character time after it. A start byte with more
// behind it than can arrive in 20 ms waited somewhere (a stalled program, a busy machine) and is
// too old to mark the second.
void Program::HandleStartByte(const ByteArrival& arrival) {
  constexpr std::int64_t kFreshForNs = 20 * kNanosecondsPerMillisecond;
  const std::int64_t characterNs = port_.CharacterNs();
  ByteArrival dated = arrival;
  dated.realtimeNs -= arrival.bytesBehind * characterNs;
  dated.monotonicNs -= arrival.bytesBehind * characterNs;
  const bool tooOld = arrival.bytesBehind > kFreshForNs / characterNs;
  if (assembler_.HandleStartByte(dated, tooOld) == FrameEvent::kMark) {
    HandleMark();
  } else {
    ShowStartByte();
  }
}

// The start byte that follows an accepted frame is the on-time mark. The correction reads the
// clock and plans its set here; the set waits until the frame this start byte begins confirms the
// mark's time, and is then made as of the start byte's arrival, so waiting costs no accuracy.
void Program::HandleMark() {
  const bool sync = sync_.SyncEnabled();
  if (sync) {
    correction_.PlanCorrection(assembler_.MarkTime(), assembler_.WaitingFrameLocked(),
                               port_.BaudDelayMs());
    assembler_.DropWaitingFrame();
  }
  ShowStartByte();
  if (sync) {
    displays_.ShowGpsClock(assembler_.Waiting().time);
    displays_.ShowLocalClockAtMark(correction_.LocalTime(), lockStatus_.SignalUnlocked());
  }
  displays_.KeepLocalClockRunning();
}

// The clock is set first: nothing is drawn before it. The local clock is then shown again as set,
// or as it is after a refusal: a Timer1 tick that came between the mark and its confirmation may
// have shown the clock before the set.
void Program::SetClockAtMark(const ConfirmedMark& mark) {
  const bool setTried = correction_.CorrectLocalClock(mark.arrival.monotonicNs);
  if (mark.locked) samples_.SendMark(mark.time, port_.CharacterNs(), mark.arrival);
  if (setTried) {
    displays_.ShowLocalClockAtMark(correction_.LocalTime(), lockStatus_.SignalUnlocked());
  }
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

void Program::OnSignalWatchTick() {
  displays_.ShowNoSignal();
  Finish();
}

void Program::OnPortRetryTick() {
  port_.RetryOpen();
  displays_.KeepLocalClockRunning();
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

// A mark that waits for its confirmation sets nothing once synchronisation is off.
void Program::OnStopTimeCommand() {
  sync_.Toggle();
  if (!sync_.SyncEnabled()) correction_.DropPlan();
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
