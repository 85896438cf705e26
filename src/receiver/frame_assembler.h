// The frame assembler: collects the serial characters by position after the start byte, decodes
// date, time and lock status at the 15th, checks the CR LF end at the 40th, and hands the on-time
// mark to the clock discipline.
#pragma once

#include <string_view>

namespace gpsclock {

struct Program;

inline constexpr std::string_view kFrameStart = "\x01";

// Runs once per received character, with LastRx already holding it.
void HandleReceivedChar(Program& program);
void HandleFrameStart(Program& program);
void DecodeFrame(Program& program);
void AdvanceOneSecond(Program& program);
void CheckFrameEnd(Program& program);
// The accepted frame's mark did not come in time: the frame no longer describes the next start
// byte.
void ExpireFrame(Program& program);

}  // namespace gpsclock
