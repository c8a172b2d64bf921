#pragma once
// The console table, plus the mean CPU time per iteration of every benchmark it showed, so
// that ratios between benchmarks of the same run can be printed after it.

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

struct TRatio {
  std::string Name;
  std::string Ours;      // benchmark names
  std::string Reference;
};

class TRatioReporter : public benchmark::ConsoleReporter {
public:
  TRatioReporter();
  void ReportRuns(const std::vector<Run>& Runs) override;
  // "ratio <name> <ours / reference>" per ratio whose two benchmarks both ran.
  void PrintRatios(std::ostream& Out, const std::vector<TRatio>& Ratios) const;

private:
  struct TTotal {
    double Seconds = 0;
    double Iterations = 0;
  };
  std::map<std::string, TTotal> FTotals;
};
