// The faults the simulator can put into the frames it sends, and which frames get them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "frame_numbers.h"
#include "platform/time_units.h"

namespace gpsclock::simulator {

enum class FaultKind {
  kBadEnd,      // LF CR in place of CR LF
  kGarbage,     // stray bytes after the frame's LF
  kMissing,     // the frame is not sent
  kInnerStart,  // a start byte in place of the first trailing filler character
  kBadDigit,    // a letter in place of the second's units digit
  kDigitFlip,   // one bit of the second's units digit flipped, so that it is another digit
  kGlitch,      // the frame carries a time kGlitchSeconds later
  kStuck,       // the frame carries the time of the frame before its run of stuck frames
  kStrayStart,  // a start byte kStrayStartBeforeNs before the frame's own
};

inline constexpr std::int64_t kGlitchSeconds = 7;
inline constexpr std::int64_t kStrayStartBeforeNs = 40 * kNanosecondsPerMillisecond;

struct FaultRule {
  FaultKind kind;
  FrameNumbers frames;
};

// "KIND=FRAMES", such as "bad-end=3" or "garbage=2,5-9".
std::optional<FaultRule> ParseFaultRule(std::string_view text);
std::string_view FaultName(FaultKind kind);
// The second, since the epoch, that frame `number` carries where the rule spoils it; the device's
// own `second` elsewhere.
std::int64_t CarriedSecond(const FaultRule& rule, std::int64_t number, std::int64_t second);
// The bytes sent for `frame` with the fault; nothing for a missing frame.
std::string ApplyFault(FaultKind kind, std::string frame);

}  // namespace gpsclock::simulator
