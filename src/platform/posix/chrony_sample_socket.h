// Samples for chronyd's SOCK reference clock: one datagram per mark to the socket
// <program directory>/chrony.sock when it exists (a socket, or a link to one), else to
// /run/chrony.gpsclock.sock when that exists.
#pragma once

#include <sys/time.h>

#include <optional>
#include <string>

#include "platform/time_sample_sink.h"

namespace gpsclock {

// chronyd's refclock SOCK path that the shipped chrony setup uses.
inline constexpr char kSystemChronySocket[] = "/run/chrony.gpsclock.sock";
inline constexpr char kProgramChronySocketName[] = "chrony.sock";

// chrony's struct sock_sample (refclock_sock.c) in the native layout: 40 bytes on x86-64.
struct ChronySockSample {
  timeval tv;     // the system time of the measurement
  double offset;  // true time minus system time, seconds
  int pulse;      // 0: a whole sample, not a pulse
  int leap;       // 0: no leap second announced
  int _pad;
  int magic;  // kChronySampleMagic
};
static_assert(sizeof(timeval) != 16 || sizeof(ChronySockSample) == 40,
              "chrony reads 40 bytes where timeval has 64-bit fields");
inline constexpr int kChronySampleMagic = 0x534f434b;

class ChronySampleSocket : public TimeSampleSink {
 public:
  explicit ChronySampleSocket(std::string programDirectory,
                              std::string systemSocket = kSystemChronySocket);
  ~ChronySampleSocket() override;
  ChronySampleSocket(const ChronySampleSocket&) = delete;
  ChronySampleSocket& operator=(const ChronySampleSocket&) = delete;

  SampleResult Send(const LocalTimeRecord& markTime, std::int64_t lineDelayNs,
                    const ByteArrival& arrival) override;

 private:
  std::string programSocket_;
  std::string systemSocket_;
  int descriptor_ = -1;
};

// True time minus system time in seconds, for a byte stamped at `stampNs` (CLOCK_REALTIME) when
// the true local time was `markTime` + `lineDelayNs`. The stamp is turned into local calendar
// fields with the time zone in force, and the two are subtracted as civil times, field by field.
// Nothing when the stamp has no local time a record can hold.
std::optional<double> SampleOffsetSeconds(const LocalTimeRecord& markTime, std::int64_t lineDelayNs,
                                          std::int64_t stampNs);

}  // namespace gpsclock
