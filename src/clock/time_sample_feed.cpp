// The sample of a mark. The stamp was read when the byte arrived, before the set, so the set at
// this mark does not spoil it.
#include "clock/time_sample_feed.h"

namespace gpsclock {

void TimeSampleFeed::SendMark(const GpsTime& markTime, std::int64_t characterNs,
                              const ByteArrival& arrival) {
  if (!IsRealTime(markTime)) return;
  const LocalTimeRecord mark = WithDateAndTime({}, markTime);
  const SampleResult result = sink_.Send(mark, characterNs, arrival);
  if (result != SampleResult::kNoServer) refused_.Record(result == SampleResult::kSent, text1_);
}

}  // namespace gpsclock
