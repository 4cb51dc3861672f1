// Wall-clock timing of whole runs for the benchmarks.
#pragma once

#include <windows.h>

#include <algorithm>
#include <limits>

namespace tunesafe::bench {

inline double Seconds() {
  LARGE_INTEGER frequency;
  LARGE_INTEGER now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The shortest of `runs` timed calls of `work`.
template <typename Work>
double BestOf(int runs, Work&& work) {
  double best = std::numeric_limits<double>::max();
  for (int i = 0; i < runs; ++i) {
    const double start = Seconds();
    work();
    best = std::min(best, Seconds() - start);
  }
  return best;
}

}  // namespace tunesafe::bench
