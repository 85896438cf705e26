// Start-up and frame delivery on virtual time.
#include "support/simulated_platform.h"

#include "config/config_file.h"
#include "receiver/frame_layout.h"

namespace gpsclock {

void SimulatedProgram::Start(const std::string& config, Nanoseconds pcTime) {
  if (!config.empty()) platform.files.Put(std::string(kConfigFileName), config);
  platform.clock.SetTime(pcTime);
  program.StartUp();
}

std::string MakeFrame(int year, int month, int day, int hour, int minute, int second, char status) {
  return frame::Format({year, month, day, hour, minute, second, status});
}

std::string MakeFrame(Nanoseconds gpsTime, char status) {
  const LocalTimeRecord r = CivilRecord(gpsTime);
  return MakeFrame(r.Year, r.Month, r.Day, r.Hour, r.Minute, r.Second, status);
}

void ReceiveMark(SimulatedPlatform& platform) {
  platform.time.AdvanceBy(kMarkAfterFrame);
  platform.serial.Receive(std::string(1, frame::kStartByte));
}

void ScheduleFrame(SimulatedPlatform& platform, std::string frame, Nanoseconds at, int baud) {
  const Nanoseconds characterTime = 10 * kNanosecondsPerSecond / baud;
  constexpr std::size_t kDecodeAt = 15;
  platform.time.Schedule(at, [&platform, frame] { platform.serial.Receive(frame.substr(0, 1)); });
  if (frame.size() <= 1) return;
  const std::size_t decodeEnd = std::min(frame.size(), kDecodeAt + 1);
  platform.time.Schedule(
      at + characterTime * static_cast<Nanoseconds>(decodeEnd - 1),
      [&platform, frame, decodeEnd] { platform.serial.Receive(frame.substr(1, decodeEnd - 1)); });
  if (frame.size() <= decodeEnd) return;
  platform.time.Schedule(
      at + characterTime * static_cast<Nanoseconds>(frame.size() - 1),
      [&platform, frame, decodeEnd] { platform.serial.Receive(frame.substr(decodeEnd)); });
}

Nanoseconds SimulatedDevice::NextGpsTime() const {
  return gpsAtStart_ + nextSecond_ * kNanosecondsPerSecond;
}

void SimulatedDevice::Run(int count, char status) {
  for (int i = 0; i < count; ++i) {
    ScheduleFrame(platform_, MakeFrame(NextGpsTime(), status), NextStart(), baud_);
    ++nextSecond_;
    platform_.time.AdvanceTo(NextStart() - 1);
  }
}

}  // namespace gpsclock
