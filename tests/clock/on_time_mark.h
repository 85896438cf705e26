// One frame and its on-time mark, with the PC clock at a chosen reading when the mark arrives.
#pragma once

#include "support/simulated_platform.h"

namespace gpsclock {

// The frame whose start byte after it is the on-time mark of `received` (the frame carries the
// second before the mark), then the PC clock put at `pcClock`, then that start byte,
// kMarkAfterFrame after the frame's own (no timer rephased by the decode ticks), and at once the
// characters of the mark's own frame up to its decode, which confirm the mark.
void SendFrameAndMark(SimulatedProgram& sim, Nanoseconds pcClock, Nanoseconds received,
                      char status = 'A');

}  // namespace gpsclock
