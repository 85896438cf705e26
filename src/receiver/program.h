// The program as one object: the receiver's state, the shared settings, the window models and the
// platform services, with the event routing from the platform and the shell into the handlers.
#pragma once

#include <functional>

#include "clock/clock_correction.h"
#include "config/settings_dialog_model.h"
#include "platform/local_clock.h"
#include "platform/program_files.h"
#include "platform/serial_layer.h"
#include "platform/time_sample_sink.h"
#include "platform/ui_timer.h"
#include "receiver/failure_notice.h"
#include "receiver/receiver_state.h"
#include "receiver/window_model.h"

namespace gpsclock {

struct PlatformServices {
  SerialLayer& serial;
  LocalClock& clock;
  UiTimer& Timer1;
  UiTimer& Timer2;
  // One-shot: an accepted frame whose mark has not come in time goes stale.
  UiTimer& FrameExpiry;
  ProgramFiles& files;
  // Takes each locked mark as a sample of the true time.
  TimeSampleSink& timeServer;
};

struct Program {
  explicit Program(PlatformServices services);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Runs once when the main window is created, before it is shown.
  void StartUp();

  // Events. Each runs to completion and then calls afterEvent, where the shell redraws.
  void OnComm(CommEvent event);
  void OnTimer1Tick();
  void OnTimer2Tick();
  void OnFrameExpiryTick();
  void OnSetPortCommand();
  void OnDisconnectCommand();
  void OnStopTimeCommand();
  void OnDialogOk();
  void OnDialogCancel();  // Cancel, or the dialog closed by any other means

  PlatformServices platform;
  ReceiverState state;
  SharedSettings settings;
  MainWindowModel window;
  SettingsDialogModel dialog;
  CorrectionWorkingValues correction;
  FailureNotice logWriteFailure{kLogWriteFailedText};
  FailureNotice clockSetFailure{kClockSetFailedText};
  std::function<void()> afterEvent;

 private:
  void Finish() const;
};

}  // namespace gpsclock
