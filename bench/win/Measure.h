#pragma once
// What the benchmarks that run under the platform share: the performance counter in seconds
// and the median of a run's batches.

#include <windows.h>

#include <algorithm>
#include <vector>

inline double Now() {
  static const double Frequency = [] {
    LARGE_INTEGER F;
    QueryPerformanceFrequency(&F);
    return static_cast<double>(F.QuadPart);
  }();
  LARGE_INTEGER Count;
  QueryPerformanceCounter(&Count);
  return static_cast<double>(Count.QuadPart) / Frequency;
}

inline double Median(std::vector<double> Values) {
  std::sort(Values.begin(), Values.end());
  return Values.empty() ? 0 : Values[Values.size() / 2];
}
