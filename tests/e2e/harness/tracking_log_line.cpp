// The Chinese texts are spelt out in GBK bytes and in UTF-8 bytes, so that the check does not rest
// on the same conversion as the program.
#include "harness/tracking_log_line.h"

#include <ctime>

namespace gpsclock::e2e {
namespace {

struct Spelling {
  const char* year;
  const char* month;
  const char* day;
  const char* lost;
  const char* locked;
  const char* restored;
};

constexpr Spelling kGbk{
    "\xc4\xea",                                          // 年
    "\xd4\xc2",                                          // 月
    "\xc8\xd5",                                          // 日
    "\xce\xc0\xd0\xc7\xca\xa7\xcb\xf8",                  // 卫星失锁
    "\xd2\xd1\xcb\xf8\xb6\xa8\xce\xc0\xd0\xc7",          // 已锁定卫星
    "\xce\xc0\xd0\xc7\xbb\xd6\xb8\xb4\xcb\xf8\xb6\xa8",  // 卫星恢复锁定
};
constexpr Spelling kUtf8{"年", "月", "日", "卫星失锁", "已锁定卫星", "卫星恢复锁定"};

const char* EventText(const Spelling& spelling, LockEvent event) {
  switch (event) {
    case LockEvent::kLost:
      return spelling.lost;
    case LockEvent::kLocked:
      return spelling.locked;
    case LockEvent::kRestored:
      return spelling.restored;
  }
  return "";
}

std::int64_t LoggedSeconds(const SentFrame& frame) {
  return frame.second + (frame.status == 'A' ? 1 : 0);
}

std::string Line(const Spelling& spelling, std::int64_t seconds, LockEvent event) {
  const std::time_t time = static_cast<std::time_t>(seconds);
  std::tm utc{};
  gmtime_r(&time, &utc);
  return std::to_string(utc.tm_year + 1900) + spelling.year + std::to_string(utc.tm_mon + 1) +
         spelling.month + std::to_string(utc.tm_mday) + spelling.day + "   " +
         std::to_string(utc.tm_hour) + ":" + std::to_string(utc.tm_min) + ":" +
         std::to_string(utc.tm_sec) + "  :  " + EventText(spelling, event);
}

}  // namespace

std::string TrackingLogLine(std::int64_t seconds, LockEvent event) {
  return Line(kGbk, seconds, event) + "\r\n";
}

std::string LogViewLine(std::int64_t seconds, LockEvent event) {
  return Line(kUtf8, seconds, event);
}

std::string TrackingLogLine(const SentFrame& frame, LockEvent event) {
  return TrackingLogLine(LoggedSeconds(frame), event);
}

std::string LogViewLine(const SentFrame& frame, LockEvent event) {
  return LogViewLine(LoggedSeconds(frame), event);
}

}  // namespace gpsclock::e2e
