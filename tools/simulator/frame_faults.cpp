// Each fault changes one thing a receiver checks: the end, the gap between frames, the frame's
// arrival, the start byte, a digit.
#include "frame_faults.h"

#include <array>
#include <utility>

#include "receiver/frame_layout.h"

namespace gpsclock::simulator {
namespace {

constexpr std::array<std::pair<FaultKind, std::string_view>, 9> kFaultNames{{
    {FaultKind::kBadEnd, "bad-end"},
    {FaultKind::kGarbage, "garbage"},
    {FaultKind::kMissing, "missing"},
    {FaultKind::kInnerStart, "inner-start"},
    {FaultKind::kBadDigit, "bad-digit"},
    {FaultKind::kDigitFlip, "digit-flip"},
    {FaultKind::kGlitch, "glitch"},
    {FaultKind::kStuck, "stuck"},
    {FaultKind::kStrayStart, "stray-start"},
}};

// Line noise between frames: no start byte, no CR or LF.
constexpr std::string_view kGarbage = "#?~GARBAGE";
constexpr std::size_t kInnerStartPosition = 16;

}  // namespace

std::optional<FaultRule> ParseFaultRule(std::string_view text) {
  const std::size_t equals = text.find('=');
  if (equals == std::string_view::npos) return {};
  const auto frames = FrameNumbers::Parse(text.substr(equals + 1));
  if (!frames) return {};
  for (const auto& [kind, name] : kFaultNames) {
    if (name == text.substr(0, equals)) return FaultRule{kind, *frames};
  }
  return {};
}

std::string_view FaultName(FaultKind kind) {
  for (const auto& [each, name] : kFaultNames) {
    if (each == kind) return name;
  }
  return {};
}

std::int64_t CarriedSecond(const FaultRule& rule, std::int64_t number, std::int64_t second) {
  if (!rule.frames.Contains(number)) return second;
  if (rule.kind == FaultKind::kGlitch) return second + kGlitchSeconds;
  if (rule.kind != FaultKind::kStuck) return second;
  std::int64_t first = number;
  while (first > 1 && rule.frames.Contains(first - 1)) --first;
  return second - (number - first) - 1;
}

std::string ApplyFault(FaultKind kind, std::string bytes) {
  if (bytes.empty()) return bytes;
  switch (kind) {
    case FaultKind::kBadEnd:
      std::swap(bytes[frame::kCrPosition], bytes[frame::kLfPosition]);
      break;
    case FaultKind::kGarbage:
      bytes += kGarbage;
      break;
    case FaultKind::kMissing:
      bytes.clear();
      break;
    case FaultKind::kInnerStart:
      bytes[kInnerStartPosition] = frame::kStartByte;
      break;
    case FaultKind::kBadDigit:
      bytes[frame::kSecondPosition + 1] = 'x';
      break;
    case FaultKind::kDigitFlip: {
      // Bit 3 turns 0 and 1 into 8 and 9 (second 11 reads as 19); bit 0 turns any other digit
      // into its neighbour.
      char& digit = bytes[frame::kSecondPosition + 1];
      digit = static_cast<char>(digit ^ (digit <= '1' ? 0x08 : 0x01));
      break;
    }
    case FaultKind::kGlitch:
    case FaultKind::kStuck:
    case FaultKind::kStrayStart:
      break;  // the time the frame carries, or the moment around it
  }
  return bytes;
}

}  // namespace gpsclock::simulator
