// Arbitrary bytes into the receiver on the simulated platform, interleaved with the user's
// commands, PC clock jumps and the passing of virtual time; the program's invariants are checked
// after every event. The first input byte picks the configuration; after it every byte is received
// as it stands, except that kEscape introduces a command byte (kEscape twice receives kEscape).
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>

#include "config/config_file.h"
#include "fuzz_figures.h"
#include "receiver/lock_log.h"
#include "soak/program_invariants.h"
#include "support/simulated_platform.h"

namespace gpsclock {
namespace {

constexpr std::array<std::string_view, 5> kStartConfigs = {
    "4,1,0,5\r\n",  // 9600 baud on port 1
    "1,1,0,5\r\n",  // 1200 baud: 8 ms in an outright set
    "4,1,1,5\r\n",  // the clock is set while unlocked too
    "0,1,0,5\r\n",  // no valid speed: the port stays closed until the dialog gives one
    "",             // no file: the port stays closed until Disconnect
};
const Nanoseconds kPcClockAtStart = CivilNanoseconds(2024, 5, 6, 12, 20, 0);
constexpr Nanoseconds kWaitStep = 10 * kNanosecondsPerMillisecond;
constexpr double kDriftStepPpm = 10;

FuzzFigures figures("receiver_fuzzer");

constexpr std::uint8_t kEscape = 0xFF;
enum class Command : std::uint8_t {
  kDisconnect,
  kStopTime,
  kWait,              // the next byte times 10 ms
  kJumpSeconds,       // the PC clock moves by the next byte as a signed number of seconds
  kJumpMinutes,       // ... of minutes
  kJumpHours,         // ... of hours
  kDrift,             // the PC clock runs fast or slow by the next byte times 10 ppm
  kToggleSetRefusal,  // the PC clock refuses to be set, or accepts again
  kLosePort,          // the device goes away
  kSettingsOk,        // the settings dialog with the next byte's port and speed, and OK
  kToggleFiles,       // config.cfg and the tracking log become unwritable, or writable again
  kCount
};

class InputBytes {
 public:
  explicit InputBytes(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  bool Empty() const { return position_ >= bytes_.size(); }
  // A missing byte reads as 0.
  std::uint8_t Next() { return Empty() ? 0 : bytes_[position_++]; }
  std::int8_t NextSigned() { return static_cast<std::int8_t>(Next()); }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t position_ = 0;
};

class ReceiverRun {
 public:
  explicit ReceiverRun(std::uint8_t configChoice)
      : invariants_(sim_, [](const std::string& description) {
          std::fprintf(stderr, "broken invariant: %s\n", description.c_str());
          std::abort();
        }) {
    sim_.program.afterEvent = [this] { invariants_.CheckAfterEvent(); };
    sim_.Start(std::string(kStartConfigs[configChoice % kStartConfigs.size()]), kPcClockAtStart);
  }
  ~ReceiverRun() { figures.CountInvariants(invariants_.InvariantsChecked()); }

  // Each byte takes its 10 bits on the line at the port's speed.
  void Receive(std::uint8_t byte) {
    SimulatedPlatform& platform = sim_.platform;
    platform.serial.Receive(std::string(1, static_cast<char>(byte)));
    platform.time.AdvanceBy(10 * kNanosecondsPerSecond / platform.serial.Settings().baud);
  }

  void Run(Command command, InputBytes& input) {
    Program& program = sim_.program;
    SimulatedPlatform& platform = sim_.platform;
    SimulatedClock& clock = platform.clock;
    switch (command) {
      case Command::kCount:
        break;
      case Command::kDisconnect:
        program.OnDisconnectCommand();
        break;
      case Command::kStopTime:
        program.OnStopTimeCommand();
        break;
      case Command::kWait:
        platform.time.AdvanceBy(input.Next() * kWaitStep);
        break;
      case Command::kJumpSeconds:
        clock.SetTime(clock.Time() + input.NextSigned() * kNanosecondsPerSecond);
        break;
      case Command::kJumpMinutes:
        clock.SetTime(clock.Time() + input.NextSigned() * 60 * kNanosecondsPerSecond);
        break;
      case Command::kJumpHours:
        clock.SetTime(clock.Time() + input.NextSigned() * 3600 * kNanosecondsPerSecond);
        break;
      case Command::kDrift:
        clock.SetRatePpm(input.NextSigned() * kDriftStepPpm);
        break;
      case Command::kToggleSetRefusal:
        setsRefused_ = !setsRefused_;
        clock.SetFailSets(setsRefused_);
        break;
      case Command::kLosePort:
        platform.serial.LosePort();
        break;
      case Command::kSettingsOk:
        AcceptSettings(input.Next());
        break;
      case Command::kToggleFiles:
        filesWritable_ = !filesWritable_;
        platform.files.SetWritable(std::string(kConfigFileName), filesWritable_);
        platform.files.SetWritable(std::string(kTrackingLogFileName), filesWritable_);
        break;
    }
  }

 private:
  // Port entry in the low three bits, speed entry (or none) above them.
  void AcceptSettings(std::uint8_t choice) {
    sim_.program.OnSetPortCommand();
    sim_.program.dialog.SelectCombo1(choice & 7);
    sim_.program.dialog.SelectCombo2((choice >> 3) % 5 - 1);
    sim_.program.OnDialogOk();
  }

  SimulatedProgram sim_;
  ProgramInvariants invariants_;
  bool setsRefused_ = false;
  bool filesWritable_ = true;
};

}  // namespace
}  // namespace gpsclock

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace gpsclock;
  figures.CountInput(size);
  InputBytes input({data, size});
  ReceiverRun run(input.Next());
  while (!input.Empty()) {
    const std::uint8_t byte = input.Next();
    if (byte != kEscape) {
      run.Receive(byte);
      continue;
    }
    const std::uint8_t code = input.Next();
    if (code == kEscape) {
      run.Receive(kEscape);
    } else {
      run.Run(static_cast<Command>(code % static_cast<std::uint8_t>(Command::kCount)), input);
    }
  }
  return 0;
}
