// A program on the simulated platform, and a GPS clock device that sends it frames on virtual
// time: the start byte exactly at each second, the rest paced at the baud rate.
#pragma once

#include <string>

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
  SimulatedTimer FrameExpiry{time, 1500, false};
  SimulatedFiles files;
  SimulatedSampleSink timeServer;

  PlatformServices Services() {
    return {serial, clock, Timer1, Timer2, FrameExpiry, files, timeServer};
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
  Nanoseconds NextStart() const { return nextSecond_ * VirtualTime::kSecond; }
  // Skips `count` seconds without sending.
  void Skip(int count) { nextSecond_ += count; }

 private:
  SimulatedPlatform& platform_;
  Nanoseconds gpsAtStart_;
  int baud_;
  std::int64_t nextSecond_ = 1;
};

}  // namespace gpsclock
