// Each byte has its own deadline on the device's clock (10 bits at the baud rate after the one
// before), so that the time from the start byte to the end of the frame is the line's.
#include "frame_sender.h"

#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <limits>

#include "frame_text.h"
#include "stop_request.h"

namespace gpsclock::simulator {
namespace {

constexpr std::int64_t kBitsPerByte = 10;
constexpr useconds_t kReaderPollMicroseconds = 10'000;
// The first frame goes out on the second boundary at least a second after a program opened the
// line: a program that is still starting up reads its first bytes only once its event loop runs,
// and a mark that waited behind its frame until then marks nothing.
constexpr std::int64_t kFirstFrameAfterSeconds = 2;

}  // namespace

FrameSender::FrameSender(const SimulatorOptions& options, SerialLine& line, FrameLog& log)
    : options_(options),
      line_(line),
      log_(log),
      time_(options.offsetNs),
      byteNs_(kBitsPerByte * kNanosecondsPerSecond / options.baud) {}

std::int64_t FrameSender::Run() {
  if (!WaitForReader()) return 0;
  std::int64_t firstSecond = time_.Now() / kNanosecondsPerSecond + kFirstFrameAfterSeconds;
  if (options_.start) {
    time_.ShowAt(
        *options_.start * kNanosecondsPerSecond,
        (RealtimeNow() / kNanosecondsPerSecond + kFirstFrameAfterSeconds) * kNanosecondsPerSecond);
    firstSecond = *options_.start;
  }
  const std::int64_t endNs = options_.durationNs ? time_.Now() + *options_.durationNs
                                                 : std::numeric_limits<std::int64_t>::max();
  std::int64_t startNs = firstSecond * kNanosecondsPerSecond;
  std::int64_t sent = 0;
  for (std::int64_t number = 1; !options_.frames || number <= *options_.frames; ++number) {
    const std::int64_t second = firstSecond + number - 1;
    if (!options_.fast) startNs = second * kNanosecondsPerSecond;
    if (startNs >= endNs) break;
    const Frame frame = MakeFrame(number, second);
    if (frame.bytes.empty()) continue;
    if (options_.fast) {
      // Back to back from the moment a program (again) has the line open, without a burst.
      if (!WaitForReader()) break;
      startNs = std::max(startNs, time_.Now());
    }
    const auto stamp = SendFrame(frame, startNs);
    if (StopRequested()) break;
    if (stamp) {
      log_.Record(number, second, frame.status, *stamp, frame.faults);
      ++sent;
    }
    startNs += static_cast<std::int64_t>(frame.bytes.size()) * byteNs_;
  }
  return sent;
}

FrameSender::Frame FrameSender::MakeFrame(std::int64_t number, std::int64_t epochSeconds) const {
  const std::string& pattern = options_.lockPattern;
  Frame frame{{}, pattern[static_cast<std::size_t>(number - 1) % pattern.size()], {}};
  std::int64_t carried = epochSeconds;
  for (const FaultRule& rule : options_.faults) carried = CarriedSecond(rule, number, carried);
  const std::time_t seconds = static_cast<std::time_t>(carried);
  std::tm local{};
  localtime_r(&seconds, &local);
  frame.bytes = BuildFrame(local, frame.status);
  for (const FaultRule& rule : options_.faults) {
    if (!rule.frames.Contains(number)) continue;
    frame.bytes = ApplyFault(rule.kind, std::move(frame.bytes));
    frame.strayStartBefore = frame.strayStartBefore || rule.kind == FaultKind::kStrayStart;
    if (!frame.faults.empty()) frame.faults += ',';
    frame.faults += FaultName(rule.kind);
  }
  return frame;
}

// The bytes after the start byte go out at their moments on the line from the moment the start
// byte did, as a UART would send them: a start byte that went out late (the machine busy) does not
// have the bytes behind it catch up. An adapter that holds the start byte hands it over with the
// bytes that came behind it, all in one write.
std::optional<std::int64_t> FrameSender::SendFrame(const Frame& frame, std::int64_t startNs) {
  const std::string_view bytes = frame.bytes;
  if (frame.strayStartBefore) {
    if (!time_.SleepUntil(startNs - kStrayStartBeforeNs)) return {};
    if (line_.ReaderPresent()) line_.Send(bytes.substr(0, 1));
  }
  if (!time_.SleepUntil(startNs)) return {};
  if (!line_.ReaderPresent()) return {};
  const std::int64_t stamp = MonotonicNow();
  const std::int64_t lineStartNs = time_.Now();
  std::size_t sent = 1;
  if (options_.hold) {
    sent = std::min(bytes.size(), options_.hold->bytesBehind + 1);
    if (!time_.SleepUntil(lineStartNs + options_.hold->delayNs)) return {};
  }
  if (!line_.Send(bytes.substr(0, sent))) return stamp;
  for (; sent < bytes.size(); ++sent) {
    if (!time_.SleepUntil(lineStartNs + static_cast<std::int64_t>(sent) * byteNs_)) return {};
    // A program that closes the port in mid-frame loses the rest, as on a real line.
    if (!line_.ReaderPresent()) return stamp;
    if (!line_.Send(bytes.substr(sent, 1))) return stamp;
  }
  return stamp;
}

bool FrameSender::WaitForReader() {
  while (!line_.ReaderPresent()) {
    if (StopRequested()) return false;
    usleep(kReaderPollMicroseconds);
  }
  return !StopRequested();
}

}  // namespace gpsclock::simulator
