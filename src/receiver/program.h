// The coordinator: owns the parts of the core and the window models, and routes every event from
// the platform and the shell to the parts in the order the design gives. It is the only place
// that knows all the parts.
#pragma once

#include <functional>

#include "clock/clock_correction.h"
#include "clock/clock_displays.h"
#include "clock/sync_switch.h"
#include "clock/time_sample_feed.h"
#include "config/settings_dialog.h"
#include "config/settings_dialog_model.h"
#include "config/shared_settings.h"
#include "platform/local_clock.h"
#include "platform/program_files.h"
#include "platform/serial_layer.h"
#include "platform/text_encoding.h"
#include "platform/time_sample_sink.h"
#include "platform/ui_timer.h"
#include "port/port_control.h"
#include "receiver/frame_assembler.h"
#include "receiver/lock_log.h"
#include "receiver/main_window_model.h"

namespace gpsclock {

struct PlatformServices {
  SerialLayer& serial;
  LocalClock& clock;
  UiTimer& Timer1;
  UiTimer& Timer2;
  // One-shot: the start bytes stopped coming.
  UiTimer& SignalWatch;
  // Paces the reopening of a lost port.
  UiTimer& PortRetry;
  ProgramFiles& files;
  const TextEncoder& encoder;
  TimeSampleSink& samples;
};

class Program {
 public:
  explicit Program(PlatformServices services);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Runs once when the main window is created, before it is shown.
  void StartUp();

  // Events. Each runs to completion and then calls afterEvent, where the shell redraws.
  void OnComm(CommEvent event);
  void OnTimer1Tick();
  void OnTimer2Tick();
  void OnSignalWatchTick();
  void OnPortRetryTick();
  void OnSetPortCommand();
  void OnDisconnectCommand();
  void OnStopTimeCommand();
  void OnDialogOk();
  void OnDialogCancel();  // Cancel, or the dialog closed by any other means

  // What the parts show and hold, for the shell and for tests.
  const SharedSettings& Settings() const { return settings_; }
  const FrameAssembler& Assembler() const { return assembler_; }
  const LockStatus& Lock() const { return lockStatus_; }
  const ClockCorrection& Correction() const { return correction_; }
  const SyncSwitch& Sync() const { return sync_; }
  const PortControl& Port() const { return port_; }

  // The window models the shell draws.
  MainWindowModel window;
  SettingsDialogModel dialog;
  std::function<void()> afterEvent;

 private:
  void HandleReceivedChar(char received);
  void HandleStartByte(const ByteArrival& arrival);
  void HandleMark();
  void SetClockAtMark(const ConfirmedMark& mark);
  void ShowStartByte();
  void HandleDecodedFrame();
  void Finish() const;

  PlatformServices platform_;
  SharedSettings settings_;
  SyncSwitch sync_{{window.StopTime, window.Label7, window.Shape3}};
  ClockCorrection correction_{platform_.clock, settings_, window.text1};
  ClockDisplays displays_{platform_.clock,
                          platform_.Timer1,
                          platform_.Timer2,
                          platform_.SignalWatch,
                          settings_,
                          sync_,
                          {window.LSDISD, window.LSDIS, window.LDISD, window.LDIS, window.Shape2}};
  TimeSampleFeed samples_{platform_.samples, window.text1};
  FrameAssembler assembler_{window.Label9};
  LockStatus lockStatus_{platform_.files, platform_.encoder, window.Label6, window.text1};
  PortControl port_{platform_.serial,
                    settings_,
                    {window.Shape1, window.Disconnect, window.Label2},
                    platform_.PortRetry,
                    [this] { assembler_.DropFrames(); }};
  SettingsDialog settingsDialog_{dialog, settings_, platform_.files};
};

}  // namespace gpsclock
