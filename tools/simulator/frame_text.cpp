// The device fills the characters the receiver does not interpret; the simulator sends zeros there.
#include "frame_text.h"

namespace gpsclock::simulator {
namespace {

constexpr char kFiller = '0';
constexpr std::size_t kLeadingFillerLength = 2;
constexpr std::size_t kTrailingFillerLength = 23;

void AppendTwoDigits(std::string& frame, int value) {
  frame += static_cast<char>('0' + value / 10 % 10);
  frame += static_cast<char>('0' + value % 10);
}

}  // namespace

std::string BuildFrame(const std::tm& local, char status) {
  std::string frame(1, kStartByte);
  frame.append(kLeadingFillerLength, kFiller);
  AppendTwoDigits(frame, local.tm_year % 100);
  AppendTwoDigits(frame, local.tm_mon + 1);
  AppendTwoDigits(frame, local.tm_mday);
  AppendTwoDigits(frame, local.tm_hour);
  AppendTwoDigits(frame, local.tm_min);
  AppendTwoDigits(frame, local.tm_sec);
  frame += status;
  frame.append(kTrailingFillerLength, kFiller);
  frame += "\r\n";
  return frame;
}

}  // namespace gpsclock::simulator
