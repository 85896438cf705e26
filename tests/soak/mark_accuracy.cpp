// The judgement of each hour at the end of its window.
#include "soak/mark_accuracy.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace gpsclock {
namespace {

constexpr Nanoseconds kMinute = 60 * kNanosecondsPerSecond;
constexpr Nanoseconds kHour = 60 * kMinute;
constexpr int kFirstWatchedMinute = 9;  // a fault just before the window counts against it
constexpr int kFirstWindowMinute = 10;
constexpr int kLastWindowMinute = 50;
constexpr Nanoseconds kLastMarkOfWindow = kLastWindowMinute * kMinute + 59 * kNanosecondsPerSecond;
// 100 ppm of drift over the second between two marks is 0.1 ms; 1 ms leaves room for it.
constexpr Nanoseconds kDriftAllowance = kNanosecondsPerMillisecond;

int MinuteOf(Nanoseconds gpsTime) {
  return static_cast<int>(gpsTime / kMinute % 60);
}

bool IsInsideWindow(Nanoseconds gpsTime, int firstMinute) {
  const int minute = MinuteOf(gpsTime);
  return minute >= firstMinute && minute <= kLastWindowMinute;
}

std::string DescribeTime(Nanoseconds civil) {
  const LocalTimeRecord r = CivilRecord(civil);
  char text[48];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", r.Year, r.Month, r.Day, r.Hour,
                r.Minute, r.Second);
  return text;
}

}  // namespace

void MarkAccuracy::Disturb(std::int64_t second) {
  const Nanoseconds gpsTime = GpsTimeAt(second * kNanosecondsPerSecond);
  if (IsInsideWindow(gpsTime, kFirstWatchedMinute)) HourOf(gpsTime).disturbed = true;
}

// An hour and its window are told by the mark's second; the clock is judged at the set, which its
// mark's frame confirmed a few characters later.
void MarkAccuracy::OnSet(const SimulatedClock::SetCall& set, std::int16_t baudDelayMs) {
  const Nanoseconds markAt = set.asOf.value_or(set.at);
  const Nanoseconds gpsAtMark = GpsTimeAt(markAt);
  if (!IsInsideWindow(gpsAtMark, kFirstWindowMinute)) return;
  Hour& hour = HourOf(gpsAtMark);
  const Nanoseconds gpsAtSet = GpsTimeAt(set.at);
  const Nanoseconds outrightTime = gpsAtSet + baudDelayMs * kNanosecondsPerMillisecond;
  if (!hour.settled) {
    hour.settled = set.succeeded && set.before + set.moved == outrightTime;
    hour.lastMarkAt = markAt;
    return;
  }
  const Nanoseconds error = std::abs(set.before - gpsAtSet);
  ++hour.settledMarks;
  hour.worstError = std::max(hour.worstError, error);
  if (error > baudDelayMs * kNanosecondsPerMillisecond + kDriftAllowance &&
      hour.inaccurateMarks++ == 0) {
    hour.firstInaccuracy =
        "the mark at " + DescribeTime(gpsAtMark) + " read " +
        std::to_string(static_cast<double>(set.before - gpsAtSet) / kNanosecondsPerMillisecond) +
        " ms off";
  }
  if (markAt != hour.lastMarkAt + kNanosecondsPerSecond) ++hour.missedMarks;
  hour.lastMarkAt = markAt;
}

void MarkAccuracy::EndOfSecond(std::int64_t second) {
  const Nanoseconds gpsTime = GpsTimeAt(second * kNanosecondsPerSecond);
  if (gpsTime % kHour == kLastMarkOfWindow) Judge(HourOf(gpsTime));
}

MarkAccuracy::Hour& MarkAccuracy::HourOf(Nanoseconds gpsTime) {
  const std::int64_t number = gpsTime / kHour;
  if (hour_.number != number) {
    hour_ = Hour();
    hour_.number = number;
  }
  return hour_;
}

void MarkAccuracy::Judge(const Hour& hour) {
  if (hour.disturbed) {
    ++disturbedHours_;
    return;
  }
  ++cleanHours_;
  settledMarks_ += hour.settledMarks;
  worstError_ = std::max(worstError_, hour.worstError);
  const std::string name = "clean hour from " + DescribeTime(hour.number * kHour) + ": ";
  if (!hour.settled) {
    onViolation_(name + "the clock never settled");
  } else if (hour.inaccurateMarks > 0) {
    onViolation_(name + std::to_string(hour.inaccurateMarks) + " marks off, first " +
                 hour.firstInaccuracy);
  } else if (hour.missedMarks > 0) {
    onViolation_(name + std::to_string(hour.missedMarks) + " marks without a set after settling");
  } else if (GpsTimeAt(hour.lastMarkAt) % kHour != kLastMarkOfWindow) {
    onViolation_(name + "the last mark set came at " + DescribeTime(GpsTimeAt(hour.lastMarkAt)));
  }
}

}  // namespace gpsclock
