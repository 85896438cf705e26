// One line on standard error, beside libFuzzer's own final lines.
#include "fuzz_figures.h"

#include <cinttypes>
#include <cstdio>

namespace gpsclock {

FuzzFigures::~FuzzFigures() {
  std::fprintf(stderr,
               "%s: %" PRIu64 " inputs, %" PRIu64 " bytes fed, %" PRIu64 " invariants checked\n",
               target_, inputs_, bytes_, invariants_);
}

}  // namespace gpsclock
