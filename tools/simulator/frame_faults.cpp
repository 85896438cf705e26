// Each fault changes one thing a receiver checks: the end, the gap between frames, the frame's
// arrival, the start byte, a digit.
#include "frame_faults.h"

#include <array>
#include <utility>

#include "frame_text.h"

namespace gpsclock::simulator {
namespace {

constexpr std::array<std::pair<FaultKind, std::string_view>, 5> kFaultNames{{
    {FaultKind::kBadEnd, "bad-end"},
    {FaultKind::kGarbage, "garbage"},
    {FaultKind::kMissing, "missing"},
    {FaultKind::kInnerStart, "inner-start"},
    {FaultKind::kBadDigit, "bad-digit"},
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

std::string ApplyFault(FaultKind kind, std::string frame) {
  if (frame.empty()) return frame;
  switch (kind) {
    case FaultKind::kBadEnd:
      std::swap(frame[kCrPosition], frame[kLfPosition]);
      break;
    case FaultKind::kGarbage:
      frame += kGarbage;
      break;
    case FaultKind::kMissing:
      frame.clear();
      break;
    case FaultKind::kInnerStart:
      frame[kInnerStartPosition] = kStartByte;
      break;
    case FaultKind::kBadDigit:
      frame[kSecondUnitsPosition] = 'x';
      break;
  }
  return frame;
}

}  // namespace gpsclock::simulator
