// Where the on-time marks go as samples of the true time, for a time server that serves them to
// the network (chrony's SOCK reference clock).
#pragma once

#include <cstdint>

#include "platform/local_clock.h"
#include "platform/serial_layer.h"

namespace gpsclock {

enum class SampleResult {
  kSent,
  kNoServer,  // no server to send to: nothing sent, and nothing to say about it
  kRefused,   // a server is set up but did not take the sample (not running, no permission, busy)
};

class TimeSampleSink {
 public:
  virtual ~TimeSampleSink() = default;
  // At the system time arrival.realtimeNs the true local time was markTime + lineDelayNs.
  // Never blocks.
  virtual SampleResult Send(const LocalTimeRecord& markTime, std::int64_t lineDelayNs,
                            const ByteArrival& arrival) = 0;
};

}  // namespace gpsclock
