#pragma once
// The checks of the picture generators' own test programs: a failed condition is printed
// with its line and counted, and Finish ends the program with the verdict.

#include <cstdio>

namespace ArtGen {

inline int Failures = 0;

inline void Check(bool Condition, const char* What, int Line) {
  if (!Condition) {
    ++Failures;
    std::fprintf(stderr, "FAILED line %d: %s\n", Line, What);
  }
}

// The exit code of a test program: 0 when every check held.
inline int Finish(const char* Passed) {
  if (Failures) {
    std::fprintf(stderr, "%d check(s) failed\n", Failures);
    return 1;
  }
  std::puts(Passed);
  return 0;
}

} // namespace ArtGen

#define CHECK(Condition) ArtGen::Check((Condition), #Condition, __LINE__)
