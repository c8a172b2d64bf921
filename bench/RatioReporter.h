#pragma once
// The console table, plus the CPU time per iteration of every repetition of every benchmark
// it showed, so that ratios between benchmarks of the same run can be printed after it.
//
// The machine is shared and single figures wander: each benchmark runs several times
// (BenchArguments adds --benchmark_repetitions unless the command line sets it, and
// interleaves the repetitions of all benchmarks), and each ratio is the median over the
// repetitions of ours / reference, the k-th repetition of one against the k-th of the other.
// A benchmark's counters are kept beside its time as "<benchmark>:<counter>": the turns of a
// turns benchmark (bench/Turns.h), timed within the same repetition.

#include <benchmark/benchmark.h>
#include <map>
#include <ostream>
#include <string>
#include <vector>

struct TRatio {
  std::string Name;
  std::string Ours; // benchmark names, or "<benchmark>:<counter>"
  std::string Reference;
  // Ours' work in units of the reference's (pixels drawn, say): the reference's time is
  // multiplied by it before dividing.
  double Scale = 1;
};

class TRatioReporter : public benchmark::ConsoleReporter {
public:
  TRatioReporter();
  // Shows one row per benchmark (its median when repeated), keeps every repetition's time.
  void ReportRuns(const std::vector<Run>& Runs) override;
  // "ratio <name> <median> spread <min>-<max> over <n>" per ratio whose two benchmarks
  // both ran; the first three fields are the median ratio, ours / reference.
  void PrintRatios(std::ostream& Out, const std::vector<TRatio>& Ratios) const;

private:
  // CPU seconds per iteration of every benchmark, and its counters; per repetition, in order.
  std::map<std::string, std::vector<double>> FFigures;
};

// argv with the repetition flags in front, so the command line's own still win.
std::vector<char*> BenchArguments(int argc, char** argv);
