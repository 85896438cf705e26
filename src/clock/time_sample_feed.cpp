// The sample of a mark. The stamp was read when the byte arrived, before the set, so the set at
// this mark does not spoil it.
#include "clock/time_sample_feed.h"

namespace gpsclock {

void TimeSampleFeed::SendMark(const GpsTime& markTime, std::int64_t characterNs,
                              const ByteArrival& arrival) {
  if (!IsRealTime(markTime)) return;
  LocalTimeRecord mark;
  mark.Year = static_cast<std::uint16_t>(markTime.Year);
  mark.Month = static_cast<std::uint16_t>(markTime.Month);
  mark.Day = static_cast<std::uint16_t>(markTime.Day);
  mark.Hour = static_cast<std::uint16_t>(markTime.Hour);
  mark.Minute = static_cast<std::uint16_t>(markTime.Minute);
  mark.Second = static_cast<std::uint16_t>(markTime.Second);
  // Every byte behind the start byte came at least a character time after it, so the start byte
  // arrived that much before the stamp.
  ByteArrival dated = arrival;
  dated.realtimeNs -= arrival.bytesBehind * characterNs;
  dated.monotonicNs -= arrival.bytesBehind * characterNs;
  const SampleResult result = sink_.Send(mark, characterNs, dated);
  if (result != SampleResult::kNoServer) refused_.Record(result == SampleResult::kSent, text1_);
}

}  // namespace gpsclock
