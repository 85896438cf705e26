// Options in the getopt_long manner; every value is checked here, so the sender trusts them.
#include "simulator_options.h"

#include <getopt.h>

#include <charconv>
#include <ctime>
#include <string_view>

#include "receiver/frame_layout.h"
#include "time_source.h"

namespace gpsclock::simulator {
namespace {

constexpr std::string_view kHelp = R"(Usage: gpsclock-sim [OPTION]...
Behaves like the GPS clock device: sends one 41-byte time frame a second, its start byte exactly
at each second boundary of the device's clock, the bytes paced at the baud rate (10 bits each).
Without --device it opens a pseudo-terminal, prints the path of its slave side and starts sending
a second or two after a program opens it, at a second boundary; while no program has it open,
the frames of those seconds are lost.

  --link PATH          also make PATH (such as /opt/gpsclock/COM1) a link to the pseudo-terminal,
                       which every user may then open; the link stays when the simulator ends
  --device PATH        send to this serial device instead of a pseudo-terminal
  --baud N             1200, 2400, 4800 or 9600 (default 9600)
  --offset SECONDS     the device's clock is this machine's clock plus SECONDS (such as -300 or
                       2.5); this machine's clock is only read, never set
  --start "YYYY-MM-DD HH:MM:SS"
                       the first frame carries this local time (instead of --offset)
  --lock PATTERN       status letters sent frame after frame, over and over: A (locked, the
                       default), V (not locked), or a sequence such as AAAV
  --fault KIND=FRAMES  spoil the frames numbered FRAMES ("all", or such as 3 or 2,5-9; the first
                       frame sent is 1); KIND is one of
                         bad-end      LF CR in place of CR LF
                         garbage      stray bytes after the frame
                         missing      the frame is not sent at all
                         inner-start  a start byte inside the frame
                         bad-digit    a letter in place of the second's units digit
                         digit-flip   one bit of the second's units digit flipped, so that it
                                      is another digit (second 11 reads as 19)
                         glitch       the frame carries a time 7 s later than the device's
                         stuck        the frames carry the time of the frame before them
                         stray-start  a start byte 40 ms before the frame's own
                       the option may be given more than once
  --hold MS,COUNT      as a USB adapter does: hold each start byte and hand it over MS
                       milliseconds after it arrived, together with the COUNT bytes that came
                       behind it meanwhile (such as 16,15: an FTDI adapter's default latency timer
                       at 9600 baud)
  --fast               send the frames back to back, one second of time each, not at the second
                       boundaries (for benchmarks)
  --frames N           stop after N frames
  --duration SECONDS   stop after SECONDS
  --log FILE           write a line for each frame sent: its number, the device's time in seconds
                       since the epoch (a frame spoilt by glitch or stuck carries another), its
                       status letter, the CLOCK_MONOTONIC nanoseconds just before the write() of
                       its start byte (the moment the device sent it, with --hold), and its faults
  --help               show this help

The frame's time is local time in the time zone of TZ.
)";

enum OptionCode {
  kLink = 1,
  kDevice,
  kBaud,
  kOffset,
  kStart,
  kLock,
  kFault,
  kHold,
  kFast,
  kFrames,
  kDuration,
  kLog,
  kHelpCode
};

constexpr option kOptions[] = {
    {"link", required_argument, nullptr, kLink},
    {"device", required_argument, nullptr, kDevice},
    {"baud", required_argument, nullptr, kBaud},
    {"offset", required_argument, nullptr, kOffset},
    {"start", required_argument, nullptr, kStart},
    {"lock", required_argument, nullptr, kLock},
    {"fault", required_argument, nullptr, kFault},
    {"hold", required_argument, nullptr, kHold},
    {"fast", no_argument, nullptr, kFast},
    {"frames", required_argument, nullptr, kFrames},
    {"duration", required_argument, nullptr, kDuration},
    {"log", required_argument, nullptr, kLog},
    {"help", no_argument, nullptr, kHelpCode},
    {nullptr, 0, nullptr, 0},
};

std::optional<std::int64_t> ParseWhole(std::string_view text) {
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return {};
  return value;
}

// "-300", "2.5", "+0.000250": seconds with up to nine decimals, as whole nanoseconds.
std::optional<std::int64_t> ParseSeconds(std::string_view text) {
  const bool negative = !text.empty() && text.front() == '-';
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  std::string fraction(point == std::string_view::npos ? "" : text.substr(point + 1));
  if (whole.empty() || whole.front() == '-' || fraction.size() > 9) return {};
  fraction.resize(9, '0');
  const auto seconds = ParseWhole(whole);
  const auto nanoseconds = ParseWhole(fraction);
  if (!seconds || !nanoseconds || *nanoseconds < 0) return {};
  const std::int64_t total = *seconds * kNanosecondsPerSecond + *nanoseconds;
  return negative ? -total : total;
}

std::optional<std::int64_t> ParseLocalTime(const char* text) {
  std::tm local{};
  const char* end = strptime(text, "%Y-%m-%d %H:%M:%S", &local);
  if (end == nullptr || *end != '\0') return {};
  local.tm_isdst = -1;
  const std::time_t seconds = std::mktime(&local);
  if (seconds == static_cast<std::time_t>(-1)) return {};
  return seconds;
}

// "16,15": milliseconds above 0 (up to a second), then a count of bytes (up to a frame).
std::optional<AdapterHold> ParseHold(std::string_view text) {
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos) return {};
  const auto seconds = ParseSeconds(text.substr(0, comma));
  const auto count = ParseWhole(text.substr(comma + 1));
  const std::int64_t delayNs = seconds ? *seconds / 1000 : 0;
  if (delayNs <= 0 || delayNs > kNanosecondsPerSecond || !count || *count < 0 ||
      *count > frame::kLength - 1) {
    return {};
  }
  return AdapterHold{delayNs, static_cast<std::size_t>(*count)};
}

bool IsDeviceBaud(std::int64_t baud) {
  return baud == 1200 || baud == 2400 || baud == 4800 || baud == 9600;
}

// The pattern's letters go into the frame as they are; no byte the frame structure relies on.
bool IsStatusPattern(std::string_view pattern) {
  if (pattern.empty()) return false;
  for (const char letter : pattern) {
    if (letter <= ' ' || letter > '~') return false;
  }
  return true;
}

// Takes one option's value into `options`; what is wrong with the value, or nothing.
std::optional<std::string> TakeOption(int code, std::string_view value, SimulatorOptions& options) {
  switch (code) {
    case kLink:
      options.link = value;
      return {};
    case kDevice:
      options.device = value;
      return {};
    case kBaud: {
      const auto baud = ParseWhole(value);
      if (!baud || !IsDeviceBaud(*baud)) return "the baud rate is 1200, 2400, 4800 or 9600";
      options.baud = static_cast<int>(*baud);
      return {};
    }
    case kOffset: {
      const auto offset = ParseSeconds(value);
      if (!offset) return "--offset takes seconds, such as -300 or 2.5";
      options.offsetNs = *offset;
      return {};
    }
    case kStart:
      options.start = ParseLocalTime(std::string(value).c_str());
      if (!options.start) return "--start takes a local time such as \"2024-05-06 12:20:00\"";
      return {};
    case kLock:
      if (!IsStatusPattern(value)) return "--lock takes status letters such as AAAV";
      options.lockPattern = value;
      return {};
    case kFault: {
      const auto rule = ParseFaultRule(value);
      if (!rule) return "--fault takes KIND=FRAMES, such as bad-end=3 or garbage=2,5-9";
      options.faults.push_back(*rule);
      return {};
    }
    case kHold:
      options.hold = ParseHold(value);
      if (!options.hold) return "--hold takes MS,COUNT, such as 16,15";
      return {};
    case kFast:
      options.fast = true;
      return {};
    case kFrames:
      options.frames = ParseWhole(value);
      if (!options.frames || *options.frames < 1) return "--frames takes a count above 0";
      return {};
    case kDuration:
      options.durationNs = ParseSeconds(value);
      if (!options.durationNs || *options.durationNs <= 0)
        return "--duration takes seconds above 0";
      return {};
    case kLog:
      options.log = value;
      return {};
  }
  return "unknown option";
}

CommandLine Error(const std::string& message) {
  return {CommandLine::Outcome::kError, {}, "gpsclock-sim: " + message + " (see --help)\n"};
}

}  // namespace

CommandLine ParseCommandLine(int argc, char* argv[]) {
  CommandLine line;
  opterr = 0;
  optind = 1;
  for (int code; (code = getopt_long(argc, argv, "", kOptions, nullptr)) != -1;) {
    if (code == kHelpCode) return {CommandLine::Outcome::kHelp, {}, std::string(kHelp)};
    if (code == '?' || code == ':') {
      return Error(std::string("unknown option or missing value: ") + argv[optind - 1]);
    }
    const auto wrong = TakeOption(code, optarg != nullptr ? optarg : "", line.options);
    if (wrong) return Error(*wrong);
  }
  if (optind < argc) return Error(std::string("unexpected argument: ") + argv[optind]);
  if (line.options.device && line.options.link) {
    return Error("--link is for the pseudo-terminal, not --device");
  }
  return line;
}

}  // namespace gpsclock::simulator
