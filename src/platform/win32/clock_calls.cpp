// Local time comes from the system time through the zone's bias in force now, the same bias
// SetLocalTime turns a local record back with, so that a set moves the clock by exactly the
// difference of two local times.
#include "platform/win32/clock_calls.h"

#include <windows.h>

#include "platform/win32/clock_stamp.h"

namespace gpsclock {
namespace {

class WindowsClockCalls : public ClockCalls {
 public:
  LocalTimeRecord GetLocalTime() override {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return {now.wYear, now.wMonth,  now.wDayOfWeek, now.wDay,
            now.wHour, now.wMinute, now.wSecond,    now.wMilliseconds};
  }

  std::optional<LocalReading> ReadLocal() override {
    FILETIME utc{};
    GetSystemTimePreciseAsFileTime(&utc);
    const std::int64_t monotonic = MonotonicNanoseconds();
    FILETIME local{};
    if (!FileTimeToLocalFileTime(&utc, &local)) return {};
    return LocalReading{FileTimeNanoseconds(local), monotonic};
  }

  std::int64_t MonotonicNs() override { return MonotonicNanoseconds(); }

  // AdjustTokenPrivileges succeeds also when the token lacks the privilege; it then says so in
  // the last error.
  bool EnableSetPrivilege() override {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
      return false;
    }
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    const bool enabled =
        LookupPrivilegeValueW(nullptr, L"SeSystemtimePrivilege", &privileges.Privileges[0].Luid) &&
        AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr) &&
        GetLastError() == ERROR_SUCCESS;
    return CloseHandle(token) && enabled;
  }

  // Windows turns the record into UTC with the bias in force at the call, not the one at the new
  // time: across a change of daylight saving the offset in force holds, as it should here.
  bool SetLocalTime(const LocalTimeRecord& r) override {
    const SYSTEMTIME time{r.Year, r.Month,  r.DayOfWeek, r.Day,
                          r.Hour, r.Minute, r.Second,    r.Milliseconds};
    return ::SetLocalTime(&time) != 0;
  }
};

}  // namespace

ClockCalls& SystemClockCalls() {
  static WindowsClockCalls calls;
  return calls;
}

}  // namespace gpsclock
