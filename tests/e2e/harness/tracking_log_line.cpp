// The Chinese texts are spelt out in GBK bytes, so that the check does not rest on the same
// conversion as the program.
#include "harness/tracking_log_line.h"

#include <ctime>

namespace gpsclock::e2e {
namespace {

constexpr char kYear[] = "\xc4\xea";                                              // 年
constexpr char kMonth[] = "\xd4\xc2";                                             // 月
constexpr char kDay[] = "\xc8\xd5";                                               // 日
constexpr char kLost[] = "\xce\xc0\xd0\xc7\xca\xa7\xcb\xf8";                      // 卫星失锁
constexpr char kLocked[] = "\xd2\xd1\xcb\xf8\xb6\xa8\xce\xc0\xd0\xc7";            // 已锁定卫星
constexpr char kRestored[] = "\xce\xc0\xd0\xc7\xbb\xd6\xb8\xb4\xcb\xf8\xb6\xa8";  // 卫星恢复锁定

const char* EventText(LockEvent event) {
  switch (event) {
    case LockEvent::kLost:
      return kLost;
    case LockEvent::kLocked:
      return kLocked;
    case LockEvent::kRestored:
      return kRestored;
  }
  return "";
}

}  // namespace

std::string TrackingLogLine(std::int64_t seconds, LockEvent event) {
  const std::time_t time = static_cast<std::time_t>(seconds);
  std::tm utc{};
  gmtime_r(&time, &utc);
  return std::to_string(utc.tm_year + 1900) + kYear + std::to_string(utc.tm_mon + 1) + kMonth +
         std::to_string(utc.tm_mday) + kDay + "   " + std::to_string(utc.tm_hour) + ":" +
         std::to_string(utc.tm_min) + ":" + std::to_string(utc.tm_sec) + "  :  " +
         EventText(event) + "\r\n";
}

}  // namespace gpsclock::e2e
