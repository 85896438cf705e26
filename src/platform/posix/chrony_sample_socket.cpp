// The socket is made once and never blocks: a server that does not take a sample at once has
// refused it.
#include "platform/posix/chrony_sample_socket.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <ctime>

#include "platform/posix/posix_local_clock.h"

namespace gpsclock {
namespace {

bool Exists(const std::string& path) {
  struct stat status {};
  return stat(path.c_str(), &status) == 0;
}

}  // namespace

std::optional<double> SampleOffsetSeconds(const LocalTimeRecord& markTime, std::int64_t lineDelayNs,
                                          std::int64_t stampNs) {
  // The stamp's local time, as the clock reads, and the true time are subtracted as civil times.
  const timespec stamp{static_cast<std::time_t>(stampNs / kNanosecondsPerSecond),
                       static_cast<long>(stampNs % kNanosecondsPerSecond)};
  const auto stampCivil = LocalCivilTime(stamp);
  if (!stampCivil) return {};
  const std::int64_t trueCivil = CivilNanoseconds(markTime) + lineDelayNs;
  return static_cast<double>(trueCivil - *stampCivil) / kNanosecondsPerSecond;
}

ChronySampleSocket::ChronySampleSocket(std::string programDirectory, std::string systemSocket)
    : programSocket_(std::move(programDirectory) + "/" + kProgramChronySocketName),
      systemSocket_(std::move(systemSocket)),
      descriptor_(socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0)) {}

ChronySampleSocket::~ChronySampleSocket() {
  if (descriptor_ != -1) close(descriptor_);
}

SampleResult ChronySampleSocket::Send(const LocalTimeRecord& markTime, std::int64_t lineDelayNs,
                                      const ByteArrival& arrival) {
  const std::string& path = Exists(programSocket_)  ? programSocket_
                            : Exists(systemSocket_) ? systemSocket_
                                                    : std::string();
  if (path.empty()) return SampleResult::kNoServer;
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (descriptor_ == -1 || path.size() >= sizeof address.sun_path) return SampleResult::kRefused;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);

  // chrony takes the time in microseconds; the offset is taken from that truncated stamp, so
  // nothing of the stamp is lost.
  const Nanoseconds stampNs =
      arrival.realtimeNs / kNanosecondsPerMicrosecond * kNanosecondsPerMicrosecond;
  ChronySockSample sample{};
  sample.tv.tv_sec = static_cast<time_t>(stampNs / kNanosecondsPerSecond);
  sample.tv.tv_usec =
      static_cast<suseconds_t>(stampNs % kNanosecondsPerSecond / kNanosecondsPerMicrosecond);
  const auto offset = SampleOffsetSeconds(markTime, lineDelayNs, stampNs);
  if (!offset) return SampleResult::kRefused;
  sample.offset = *offset;
  sample.magic = kChronySampleMagic;
  const ssize_t sent = sendto(descriptor_, &sample, sizeof sample, MSG_NOSIGNAL,
                              reinterpret_cast<const sockaddr*>(&address), sizeof address);
  return sent == static_cast<ssize_t>(sizeof sample) ? SampleResult::kSent : SampleResult::kRefused;
}

}  // namespace gpsclock
