// The socket is made once and never blocks: a server that does not take a sample at once has
// refused it.
#include "platform/posix/chrony_sample_socket.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <ctime>

namespace gpsclock {
namespace {

constexpr std::int64_t kNsPerSecond = 1'000'000'000;
constexpr std::int64_t kNsPerMicrosecond = 1'000;
constexpr std::int64_t kNsPerMillisecond = 1'000'000;

// Nanoseconds of a local civil time since 1970-01-01 00:00:00 of the same calendar; no zone rule.
std::int64_t CivilNs(int year, unsigned month, unsigned day, int hour, int minute, int second) {
  using namespace std::chrono;
  const sys_days date =
      year_month_day{std::chrono::year{year}, std::chrono::month{month}, std::chrono::day{day}};
  const std::int64_t seconds =
      std::int64_t{date.time_since_epoch().count()} * 86'400 + (hour * 60LL + minute) * 60 + second;
  return seconds * kNsPerSecond;
}

bool Exists(const std::string& path) {
  struct stat status {};
  return stat(path.c_str(), &status) == 0;
}

}  // namespace

double SampleOffsetSeconds(const LocalTimeRecord& markTime, std::int64_t lineDelayNs,
                           std::int64_t stampNs) {
  // A PC clock before 1970 is not a case: the stamps come from a running clock.
  const auto stampSeconds = static_cast<std::time_t>(stampNs / kNsPerSecond);
  const std::int64_t stampFraction = stampNs % kNsPerSecond;
  std::tm local{};
  localtime_r(&stampSeconds, &local);
  const std::int64_t stampCivil =
      CivilNs(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
              static_cast<unsigned>(local.tm_mday), local.tm_hour, local.tm_min, local.tm_sec) +
      stampFraction;
  const std::int64_t trueCivil = CivilNs(markTime.Year, markTime.Month, markTime.Day, markTime.Hour,
                                         markTime.Minute, markTime.Second) +
                                 markTime.Milliseconds * kNsPerMillisecond + lineDelayNs;
  return static_cast<double>(trueCivil - stampCivil) / kNsPerSecond;
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
  const std::int64_t stampUs = arrival.realtimeNs / kNsPerMicrosecond;
  ChronySockSample sample{};
  sample.tv.tv_sec = static_cast<time_t>(stampUs / 1'000'000);
  sample.tv.tv_usec = static_cast<suseconds_t>(stampUs % 1'000'000);
  sample.offset = SampleOffsetSeconds(markTime, lineDelayNs, stampUs * kNsPerMicrosecond);
  sample.magic = kChronySampleMagic;
  const ssize_t sent = sendto(descriptor_, &sample, sizeof sample, MSG_NOSIGNAL,
                              reinterpret_cast<const sockaddr*>(&address), sizeof address);
  return sent == static_cast<ssize_t>(sizeof sample) ? SampleResult::kSent : SampleResult::kRefused;
}

}  // namespace gpsclock
