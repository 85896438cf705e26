// The clock labels' texts: " hh:mm:ss" and "yyyy-mm-dd".
#pragma once

#include <string>
#include <string_view>

namespace gpsclock {

// The time text with its digits blanked: what LDIS shows until the next on-time mark.
inline constexpr std::string_view kBlankTimeText = "   :  :  ";

// The tens digit (the value divided by 10) followed by the units digit.
std::string TwoDigits(int value);
// One space, then hour, minute and second in two digits each, separated by ":".
std::string TimeText(int hour, int minute, int second);
// The year as a number, then month and day in two digits each, separated by "-".
std::string DateText(int year, int month, int day);

}  // namespace gpsclock
