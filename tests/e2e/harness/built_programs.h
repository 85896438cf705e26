// Where the build put the programs and the library the tests use.
#pragma once

namespace gpsclock::e2e {

inline constexpr char kBuiltProgram[] = GPSCLOCK_E2E_PROGRAM;
inline constexpr char kBuiltSimulator[] = GPSCLOCK_E2E_SIMULATOR;
inline constexpr char kBuiltClockLibrary[] = GPSCLOCK_E2E_CLOCK_LIBRARY;
inline constexpr char kBuiltSelectionReader[] = GPSCLOCK_E2E_SELECTION_READER;

}  // namespace gpsclock::e2e
