// Text forms of times and dates.
#include "clock/time_texts.h"

namespace gpsclock {

std::string TwoDigits(int value) {
  return std::to_string(value / 10) + std::to_string(value % 10);
}

std::string TimeText(int hour, int minute, int second) {
  return " " + TwoDigits(hour) + ":" + TwoDigits(minute) + ":" + TwoDigits(second);
}

std::string DateText(int year, int month, int day) {
  return std::to_string(year) + "-" + TwoDigits(month) + "-" + TwoDigits(day);
}

}  // namespace gpsclock
