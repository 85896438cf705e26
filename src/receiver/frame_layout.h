// The 41-byte time frame of the GPS clock device, by position after the start byte (position 0):
// two digits each of year, month, day, hour, minute and second, the status letter, characters the
// receiver does not interpret, and CR LF.
#pragma once

#include <string>

namespace gpsclock::frame {

inline constexpr char kStartByte = '\x01';
inline constexpr int kYearPosition = 3;
inline constexpr int kMonthPosition = 5;
inline constexpr int kDayPosition = 7;
inline constexpr int kHourPosition = 9;
inline constexpr int kMinutePosition = 11;
inline constexpr int kSecondPosition = 13;
inline constexpr int kFirstDigitPosition = kYearPosition;
inline constexpr int kLastDigitPosition = kSecondPosition + 1;
inline constexpr int kStatusPosition = 15;
inline constexpr int kCrPosition = 39;
inline constexpr int kLfPosition = 40;
inline constexpr int kLength = kLfPosition + 1;
// The frame as Label9 shows it: positions 1 up to the one before CR.
inline constexpr int kLastRawPosition = kCrPosition - 1;

inline constexpr char kLocked = 'A';
inline constexpr char kNotLocked = 'V';

// What a frame carries; only the last two digits of the year are sent.
struct Fields {
  int year;
  int month;
  int day;
  int hour;
  int minute;
  int second;
  char status;
};

// The whole frame, as the device sends it, with `filler` in every position the receiver does not
// interpret.
inline std::string Format(const Fields& fields, char filler = '0') {
  std::string text(kLength, filler);
  const auto putTwoDigits = [&text](int position, int value) {
    text[position] = static_cast<char>('0' + value / 10 % 10);
    text[position + 1] = static_cast<char>('0' + value % 10);
  };
  text[0] = kStartByte;
  putTwoDigits(kYearPosition, fields.year % 100);
  putTwoDigits(kMonthPosition, fields.month);
  putTwoDigits(kDayPosition, fields.day);
  putTwoDigits(kHourPosition, fields.hour);
  putTwoDigits(kMinutePosition, fields.minute);
  putTwoDigits(kSecondPosition, fields.second);
  text[kStatusPosition] = fields.status;
  text[kCrPosition] = '\r';
  text[kLfPosition] = '\n';
  return text;
}

}  // namespace gpsclock::frame
