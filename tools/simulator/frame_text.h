// The 41 bytes of one time frame as the GPS clock device sends it.
#pragma once

#include <ctime>
#include <string>

namespace gpsclock::simulator {

inline constexpr char kStartByte = '\x01';
inline constexpr std::size_t kFrameLength = 41;
inline constexpr std::size_t kSecondUnitsPosition = 14;
inline constexpr std::size_t kCrPosition = 39;
inline constexpr std::size_t kLfPosition = 40;

// Start byte, two filler characters, yymmddhhmmss of `local`, the status letter, 23 filler
// characters, CR LF.
std::string BuildFrame(const std::tm& local, char status);

}  // namespace gpsclock::simulator
