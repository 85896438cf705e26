// The on-time marks as samples of the true time for a time server, which serves the GPS time to
// the network.
#pragma once

#include <cstdint>
#include <string_view>

#include "clock/gps_time.h"
#include "elements/failure_notice.h"
#include "platform/serial_layer.h"
#include "platform/time_sample_sink.h"

namespace gpsclock {

inline constexpr std::string_view kSampleRefusedText = "时间服务器未接收数据";

class TimeSampleFeed {
 public:
  TimeSampleFeed(TimeSampleSink& sink, LogView& text1) : sink_(sink), text1_(text1) {}

  // At a locked mark, after the clock was set: the start byte that arrived as `arrival` (dated
  // back by the bytes behind it) marked `markTime`, and reached the PC one character time later.
  // A time that no clock shows is not sent.
  void SendMark(const GpsTime& markTime, std::int64_t characterNs, const ByteArrival& arrival);

 private:
  TimeSampleSink& sink_;
  LogView& text1_;
  FailureNotice refused_{kSampleRefusedText};
};

}  // namespace gpsclock
