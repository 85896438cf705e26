// Each simulated second: the device's frame at the second, then at half past whatever the fault of
// the moment does between frames, then the checks of the second.
#include "soak/soak.h"

#include <algorithm>
#include <chrono>
#include <iomanip>
#include <iostream>

#include "config/config_file.h"
#include "receiver/frame_layout.h"
#include "receiver/lock_log.h"
#include "soak/resident_memory.h"

namespace gpsclock {
namespace {

constexpr std::int64_t kSecondsPerHour = 3600;
constexpr std::int64_t kSecondsPerDay = 24 * kSecondsPerHour;
constexpr Nanoseconds kSecond = kNanosecondsPerSecond;
constexpr Nanoseconds kBetweenFrames = kSecond / 2;
// The week from 26 February 2024 runs through a leap day and a month end.
const Nanoseconds kGpsAtStart = CivilNanoseconds(2024, 2, 26, 0, 0, 0);
// The PC starts five minutes behind, on the previous date, and must step its way to GPS time.
constexpr Nanoseconds kPcBehindAtStart = 5 * 60 * kSecond - 300 * kNanosecondsPerMillisecond;
constexpr double kMostDriftPpm = 100;
constexpr std::int64_t kLongestHandSetSeconds = 600;
constexpr std::int64_t kLongestGarbageBurst = 400;
constexpr const char* kStartConfig = "4,1,0,5\r\n";
constexpr int kDevicePort = 1;
constexpr int kDeviceBaud = 9600;
constexpr int kBaudCodeOfDevice = 4;
constexpr std::size_t kFrameLength = frame::kLength;
constexpr std::size_t kStatusPosition = frame::kStatusPosition;
// Between seconds only the three timers wait: the frame's characters have all arrived.
constexpr std::size_t kMostPendingActions = 3;
// Memory is judged from the end of the first day. It may grow by what the allocator settles into
// and text1 filling up to its 1000 lines, and by three times the tracking log, which grows by
// design and is held by the simulated files, the log model and the invariants.
constexpr std::size_t kAllowedResidentGrowth = 512 << 10;
constexpr std::size_t kTrackingLogCopies = 3;
constexpr std::uint64_t kViolationsShown = 20;

GpsTime ToGpsTime(const LocalTimeRecord& record) {
  return {static_cast<std::int16_t>(record.Second), static_cast<std::int16_t>(record.Minute),
          static_cast<std::int16_t>(record.Hour),   static_cast<std::int16_t>(record.Month),
          static_cast<std::int16_t>(record.Year),   static_cast<std::int16_t>(record.Day)};
}

// Noise on the line: any byte but the status letters and the frame end, so noise can start a
// frame and break one off but never report a lock status or end a frame.
bool IsGarbage(char byte) {
  return byte != 'A' && byte != 'V' && byte != '\r' && byte != '\n';
}

bool IsMiddleThird(const Fault& fault, std::int64_t second) {
  const std::int64_t third = (fault.lastSecond - fault.firstSecond) / 3;
  return second > fault.firstSecond + third && second < fault.lastSecond - third;
}

double Megabytes(std::size_t bytes) {
  return static_cast<double>(bytes) / (1 << 20);
}

}  // namespace

Soak::Soak(const SoakOptions& options)
    : options_(options),
      random_(options.seed),
      invariants_(sim_, [this](const std::string& description) { Violation(description); }),
      plan_(random_),
      accuracy_(kGpsAtStart, [this](const std::string& description) { Violation(description); }),
      setDirection_(kGpsAtStart,
                    [this](const std::string& description) { Violation(description); }) {}

bool Soak::Run(std::ostream& out) {
  const auto wallStart = std::chrono::steady_clock::now();
  sim_.program.afterEvent = [this] { invariants_.CheckAfterEvent(); };
  sim_.Start(kStartConfig, kGpsAtStart - kPcBehindAtStart);
  const std::int64_t seconds = options_.days * kSecondsPerDay;
  for (std::int64_t second = 0; second < seconds; ++second) {
    if (second % kSecondsPerDay == 0) StartDay();
    // The first hour belongs to the PC clock's approach from five minutes behind.
    if (second % kSecondsPerHour == 0 && second > 0) {
      for (const Fault& fault : plan_.PlanHour(second)) faults_.push_back(fault);
    }
    RunSecond(second);
    if ((second + 1) % kSecondsPerHour == 0) EndOfHour();
    if ((second + 1) % kSecondsPerDay == 0) EndOfDay((second + 1) / kSecondsPerDay, out);
  }
  const std::size_t allowedGrowth =
      kAllowedResidentGrowth + kTrackingLogCopies * logModel_.FileBytes().size();
  if (JudgesResidentMemory() && residentAtEnd_ > residentAfterFirstDay_ + allowedGrowth) {
    Violation("resident memory grew from " + std::to_string(residentAfterFirstDay_) + " to " +
              std::to_string(residentAtEnd_) + " bytes");
  }
  const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - wallStart;
  Report(out, wall.count());
  return violations_ == 0;
}

void Soak::StartDay() {
  const double ratePpm =
      std::uniform_real_distribution<double>(-kMostDriftPpm, kMostDriftPpm)(random_);
  sim_.platform.clock.SetRatePpm(ratePpm);
  slowestPpm_ = std::min(slowestPpm_, ratePpm);
  fastestPpm_ = std::max(fastestPpm_, ratePpm);
}

const Fault* Soak::ActiveFault(std::int64_t second) {
  while (!faults_.empty() && faults_.front().lastSecond < second) faults_.pop_front();
  if (faults_.empty() || faults_.front().firstSecond > second) return nullptr;
  return &faults_.front();
}

void Soak::RunSecond(std::int64_t second) {
  const Fault* fault = ActiveFault(second);
  if (fault) accuracy_.Disturb(second);
  SendFrame(second, fault);
  sim_.platform.time.AdvanceTo(second * kSecond + kBetweenFrames);
  if (fault) ActBetweenFrames(*fault, second);
  sim_.platform.time.AdvanceTo((second + 1) * kSecond - 1);
  EndOfSecond(second);
}

// The log model learns what the program must make of the frame: a decode once the status
// character has arrived, an accepted frame once all 41 characters have.
void Soak::SendFrame(std::int64_t second, const Fault* fault) {
  const FaultKind kind = fault ? fault->kind : FaultKind::kCount;
  if (kind == FaultKind::kDroppedFrames) {
    ++framesDropped_;
    return;
  }
  const bool locked = kind != FaultKind::kLockLoss &&
                      !(kind == FaultKind::kTrackingLogFails && IsMiddleThird(*fault, second));
  const Nanoseconds gpsTime = kGpsAtStart + second * kSecond;
  std::string frame = MakeFrame(gpsTime, locked ? 'A' : 'V');
  if (kind == FaultKind::kCutFrames) {
    frame.resize(static_cast<std::size_t>(Between(1, kFrameLength - 1)));
    ++framesCut_;
  }
  ++framesSent_;
  if (!DeviceReachesProgram()) {
    ++framesNotReceived_;
    return;
  }
  ScheduleFrame(sim_.platform, frame, second * kSecond, kDeviceBaud);
  if (frame.size() > kStatusPosition) {
    logModel_.Decoded(locked, ToGpsTime(CivilRecord(gpsTime + (locked ? kSecond : 0))));
  }
  if (frame.size() == kFrameLength) logModel_.Accepted(trackingLogWritable_);
}

void Soak::ActBetweenFrames(const Fault& fault, std::int64_t second) {
  const bool first = second == fault.firstSecond;
  const bool last = second == fault.lastSecond;
  if (first) ++faultsInjected_[static_cast<std::size_t>(fault.kind)];
  Program& program = sim_.program;
  SimulatedPlatform& platform = sim_.platform;
  switch (fault.kind) {
    case FaultKind::kLockLoss:
    case FaultKind::kDroppedFrames:
    case FaultKind::kCutFrames:
    case FaultKind::kCount:
      break;
    case FaultKind::kGarbage:
      SendGarbage();
      break;
    case FaultKind::kPortToggle:
      if (first || last) program.OnDisconnectCommand();
      break;
    case FaultKind::kSyncToggle:
      if (first || last) program.OnStopTimeCommand();
      break;
    case FaultKind::kDeviceUnplugged:
      // Unplugged, the port cannot be opened; plugged back, the program opens it again itself.
      platform.serial.SetOpenFails(!last);
      if (first) platform.serial.LosePort();
      break;
    case FaultKind::kSettingsOk:
      AcceptSettings(kDevicePort);
      break;
    case FaultKind::kWrongPort:
      if (first) AcceptSettings(kDevicePort + 1);
      if (last) AcceptSettings(kDevicePort);
      break;
    case FaultKind::kConfigUnwritable:
      platform.files.SetWritable(std::string(kConfigFileName), false);
      AcceptSettings(kDevicePort);
      program.OnDialogCancel();  // the dialog stayed open to say the file was not written
      platform.files.SetWritable(std::string(kConfigFileName), true);
      break;
    case FaultKind::kTrackingLogFails:
      if (!first && !last) break;
      trackingLogWritable_ = last;
      platform.files.SetWritable(std::string(kTrackingLogFileName), trackingLogWritable_);
      break;
    case FaultKind::kClockSetsRefused:
      if (first || last) platform.clock.SetFailSets(!last);
      break;
    case FaultKind::kPcClockSetByHand: {
      std::int64_t seconds = Between(-kLongestHandSetSeconds, kLongestHandSetSeconds - 1);
      if (seconds >= 0) ++seconds;  // never by nothing
      platform.clock.SetTime(platform.clock.Time() + seconds * kSecond);
      break;
    }
  }
}

void Soak::SendGarbage() {
  std::string burst;
  const std::int64_t length = Between(1, kLongestGarbageBurst);
  while (static_cast<std::int64_t>(burst.size()) < length) {
    const char byte = static_cast<char>(Between(0, 255));
    if (IsGarbage(byte)) burst += byte;
  }
  garbageBytes_ += burst.size();
  if (DeviceReachesProgram()) sim_.platform.serial.Receive(burst);
}

// The user opens the settings dialog, picks the port, the device's speed and any error days,
// and presses OK.
void Soak::AcceptSettings(int portNumber) {
  sim_.program.OnSetPortCommand();
  SettingsDialogModel& dialog = sim_.program.dialog;
  dialog.SelectCombo1(portNumber - 1);
  dialog.SelectCombo2(kBaudCodeOfDevice - 1);
  dialog.SelectCombo3(static_cast<int>(Between(0, kErrorDayEntries - 1)));
  sim_.program.OnDialogOk();
}

void Soak::EndOfSecond(std::int64_t second) {
  const std::int16_t baudDelayMs = sim_.program.Port().BaudDelayMs();
  for (const SimulatedClock::SetCall& set : sim_.platform.clock.Sets()) {
    accuracy_.OnSet(set, baudDelayMs);
    setDirection_.OnSet(set, baudDelayMs);
    ++setsMade_;
    if (!set.succeeded) ++setsRefused_;
  }
  invariants_.ForgetCheckedSets();
  sim_.platform.Timer1.ClearRecords();
  sim_.platform.Timer2.ClearRecords();
  sim_.platform.SignalWatch.ClearRecords();
  sim_.platform.PortRetry.ClearRecords();
  sim_.platform.samples.ClearSamples();
  accuracy_.EndOfSecond(second);
  const std::size_t pending = sim_.platform.time.PendingActions();
  mostPendingActions_ = std::max(mostPendingActions_, pending);
  if (pending > kMostPendingActions) {
    Violation(std::to_string(pending) + " actions wait between seconds");
  }
}

void Soak::EndOfHour() {
  SimulatedPlatform& platform = sim_.platform;
  const auto log = platform.files.Contents(std::string(kTrackingLogFileName));
  if (log.value_or("") != logModel_.FileBytes()) {
    Violation("the tracking log differs from its model after " + std::to_string(logModel_.Lines()) +
              " lines");
  }
  if (invariants_.LockLinesShown() != logModel_.Lines()) {
    Violation("text1 showed " + std::to_string(invariants_.LockLinesShown()) +
              " lock lines where the model has " + std::to_string(logModel_.Lines()));
  }
  platform.serial.ClearCalls();
}

void Soak::EndOfDay(std::int64_t day, std::ostream& out) {
  residentAtEnd_ = ResidentBytes().value_or(0);
  if (day == 1) residentAfterFirstDay_ = residentAtEnd_;
  out << "day " << day << ": " << framesSent_ << " frames, " << invariants_.InvariantsChecked()
      << " invariants checked, " << violations_ << " violations, resident " << residentAtEnd_
      << " bytes" << std::endl;
}

bool Soak::JudgesResidentMemory() const {
  return options_.days > 1 && ResidentMemoryTellsGrowth();
}

bool Soak::DeviceReachesProgram() const {
  const SimulatedSerial& serial = sim_.platform.serial;
  return serial.IsOpen() && serial.PortNumber() == kDevicePort;
}

std::int64_t Soak::Between(std::int64_t lowest, std::int64_t highest) {
  return std::uniform_int_distribution<std::int64_t>(lowest, highest)(random_);
}

void Soak::Violation(const std::string& description) {
  if (violations_++ < kViolationsShown) std::cerr << "soak: " << description << "\n";
}

void Soak::Report(std::ostream& out, double wallSeconds) const {
  std::uint64_t faults = 0;
  for (const std::uint64_t count : faultsInjected_) faults += count;
  out << std::fixed << std::setprecision(2);
  out << "soak: " << options_.days << " simulated days from seed " << options_.seed << " in "
      << wallSeconds << " s\n";
  out << "  PC clock drift      " << slowestPpm_ << " to " << fastestPpm_ << " ppm\n";
  out << "  frames sent         " << framesSent_ << " (cut " << framesCut_ << ", dropped "
      << framesDropped_ << ", not received on a closed or other port " << framesNotReceived_
      << ")\n";
  out << "  on-time marks       " << invariants_.MarksSeen() << "\n";
  out << "  clock sets          " << setsMade_ << " (refused " << setsRefused_ << ")\n";
  out << "  lock lines          " << logModel_.Lines() << " (lost while the log was unwritable "
      << logModel_.LinesLost() << ")\n";
  out << "  faults injected     " << faults << ", garbage bytes " << garbageBytes_ << "\n";
  for (std::size_t kind = 0; kind < kFaultKinds; ++kind) {
    out << "    " << std::setw(8) << faultsInjected_[kind] << "  "
        << FaultName(static_cast<FaultKind>(kind)) << "\n";
  }
  out << "  events checked      " << invariants_.EventsChecked() << "\n";
  out << "  invariants checked  " << invariants_.InvariantsChecked() << "\n";
  out << "  clean hours         " << accuracy_.CleanHours() << " of "
      << accuracy_.CleanHours() + accuracy_.DisturbedHours() << ", settled marks "
      << accuracy_.SettledMarks() << ", worst mark "
      << static_cast<double>(accuracy_.WorstError()) / kNanosecondsPerMillisecond << " ms off\n";
  out << "  memory              resident " << Megabytes(residentAfterFirstDay_)
      << " MB after the first day, " << Megabytes(residentAtEnd_) << " MB at the end"
      << (JudgesResidentMemory() ? "" : " (not judged: one day, or AddressSanitizer)")
      << "; at most " << mostPendingActions_ << " pending actions\n";
  out << "  violations          " << violations_ << std::endl;
}

}  // namespace gpsclock
