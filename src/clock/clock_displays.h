// The local and received clock displays, the receive indicator and Timer1's phase.
#pragma once

namespace gpsclock {

struct Program;

void ShowLocalClock(Program& program);        // Timer1 tick
void ShowMarkIndicators(Program& program);    // every start byte, first
void BlankGpsClock(Program& program);         // every start byte
void ShowGpsClock(Program& program);          // on-time mark, after the correction
void ShowLocalClockAtMark(Program& program);  // on-time mark, after ShowGpsClock
void RephaseLocalClock(Program& program);     // end of every decode
void EndMarkBlink(Program& program);          // Timer2 tick

}  // namespace gpsclock
