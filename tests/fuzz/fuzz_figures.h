// The figures of a fuzzing run, printed when it ends: inputs run, bytes fed, invariants checked.
#pragma once

#include <cstddef>
#include <cstdint>

namespace gpsclock {

class FuzzFigures {
 public:
  explicit FuzzFigures(const char* target) : target_(target) {}
  FuzzFigures(const FuzzFigures&) = delete;
  FuzzFigures& operator=(const FuzzFigures&) = delete;
  // libFuzzer ends a run with exit(), which destroys a static object: the figures print then.
  ~FuzzFigures();

  void CountInput(std::size_t bytes) {
    ++inputs_;
    bytes_ += bytes;
  }
  void CountInvariants(std::uint64_t invariants) { invariants_ += invariants; }

 private:
  const char* target_;
  std::uint64_t inputs_ = 0;
  std::uint64_t bytes_ = 0;
  std::uint64_t invariants_ = 0;
};

}  // namespace gpsclock
