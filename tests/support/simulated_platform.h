// A program on the simulated platform, and a GPS clock device that sends it frames on virtual
// time: the start byte exactly at each second, the rest paced at the baud rate.
#pragma once

#include <string>

#include "platform/posix/iconv_text_encoder.h"
#include "platform/simulated/simulated_clock.h"
#include "platform/simulated/simulated_files.h"
#include "platform/simulated/simulated_sample_sink.h"
#include "platform/simulated/simulated_serial.h"
#include "platform/simulated/simulated_timer.h"
#include "platform/simulated/virtual_time.h"
#include "receiver/program.h"

namespace gpsclock {

struct SimulatedPlatform {
  VirtualTime time;
  SimulatedClock clock{time};
  // Bytes are stamped with the PC clock as it reads at their arrival.
  SimulatedSerial serial{time, [this] { return clock.Time(); }};
  SimulatedTimer Timer1{time, 100, true};
  SimulatedTimer Timer2{time, 100, true};
  SimulatedTimer SignalWatch{time, 3000, false};
  SimulatedTimer PortRetry{time, 2000, false};
  SimulatedFiles files;
  IconvTextEncoder encoder;
  SimulatedSampleSink samples;

  PlatformServices Services() {
    return {serial, clock, Timer1, Timer2, SignalWatch, PortRetry, files, encoder, samples};
  }
};

// The platform and the program on it; the program is not started until a test says so.
struct SimulatedProgram {
  SimulatedPlatform platform;
  Program program{platform.Services()};

  // Starts with `config` as config.cfg (none when empty) and the PC clock at `pcTime`.
  void Start(const std::string& config, Nanoseconds pcTime = 0);
};

// The frame the device sends during the second `gpsTime` (local civil time) with `status`.
std::string MakeFrame(Nanoseconds gpsTime, char status);
std::string MakeFrame(int year, int month, int day, int hour, int minute, int second, char status);

// The device's start bytes come a second apart; this much after a frame's start byte, the next one
// is its mark, and no timer rephased at the frame's decode has ticked yet.
inline constexpr Nanoseconds kMarkAfterFrame = kNanosecondsPerSecond - kNanosecondsPerMillisecond;

// Lets kMarkAfterFrame pass, then delivers the start byte that marks the waiting frame's second.
void ReceiveMark(SimulatedPlatform& platform);

// Sends one frame: its start byte at `at`, the bytes up to the decode 15 characters later, the
// rest by the end character; 10 bits a character at `baud`.
void ScheduleFrame(SimulatedPlatform& platform, std::string frame, Nanoseconds at, int baud = 9600);

// The device's clock: virtual time 0 is GPS time `gpsAtStart`, and a frame starts every second.
class SimulatedDevice {
 public:
  SimulatedDevice(SimulatedPlatform& platform, Nanoseconds gpsAtStart, int baud = 9600)
      : platform_(platform), gpsAtStart_(gpsAtStart), baud_(baud) {}

  // Sends the frames of the next `count` seconds, each with `status`, and runs virtual time
  // through them; stops just before the start byte that follows the last.
  void Run(int count, char status = 'A');
  // GPS time of the next frame's second.
  Nanoseconds NextGpsTime() const;
  Nanoseconds NextStart() const { return nextSecond_ * kNanosecondsPerSecond; }
  // Skips `count` seconds without sending.
  void Skip(int count) { nextSecond_ += count; }

 private:
  SimulatedPlatform& platform_;
  Nanoseconds gpsAtStart_;
  int baud_;
  std::int64_t nextSecond_ = 1;
};

}  // namespace gpsclock
