// Windows has no chrony to serve the marks to the network (Windows Time serves the PC's own clock):
// every sample finds no server.
#pragma once

#include "platform/time_sample_sink.h"

namespace gpsclock {

class NoTimeServer : public TimeSampleSink {
 public:
  SampleResult Send(const LocalTimeRecord&, std::int64_t, const ByteArrival&) override {
    return SampleResult::kNoServer;
  }
};

}  // namespace gpsclock
