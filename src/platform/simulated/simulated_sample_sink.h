// A time server on the simulated platform: it keeps every sample it is given and answers as the
// test asks.
#pragma once

#include <vector>

#include "platform/time_sample_sink.h"

namespace gpsclock {

class SimulatedSampleSink : public TimeSampleSink {
 public:
  struct Sample {
    LocalTimeRecord markTime;
    std::int64_t lineDelayNs = 0;
    ByteArrival arrival;
    SampleResult result = SampleResult::kSent;
  };

  SampleResult Send(const LocalTimeRecord& markTime, std::int64_t lineDelayNs,
                    const ByteArrival& arrival) override {
    samples_.push_back({markTime, lineDelayNs, arrival, answer_});
    return answer_;
  }

  // What every following Send answers: kSent (the default), kNoServer or kRefused.
  void SetAnswer(SampleResult answer) { answer_ = answer; }
  // Every sample given, taken or not, in order.
  const std::vector<Sample>& Samples() const { return samples_; }
  // Forgets the samples so far, for a long run that has looked at them.
  void ClearSamples() { samples_.clear(); }

 private:
  SampleResult answer_ = SampleResult::kSent;
  std::vector<Sample> samples_;
};

}  // namespace gpsclock
