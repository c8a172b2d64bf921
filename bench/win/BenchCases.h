#pragma once
// The timing harness of the Windows benchmarks: cases run in batches in turn, so the
// machine's drift touches all of them alike, and each case's figure is the median batch.

#include <functional>
#include <string>
#include <utility>
#include <vector>

struct TBenchCase {
  TBenchCase(std::string AName, std::function<void()> AOnce, std::vector<double> ABatches = {})
      : Name(std::move(AName)), Once(std::move(AOnce)), Batches(std::move(ABatches)) {}
  // A case whose runs time only a part of themselves: Part returns the seconds of that part.
  static TBenchCase Timed(std::string Name, std::function<double()> Part) {
    TBenchCase Case(std::move(Name), {});
    Case.TimedPart = std::move(Part);
    return Case;
  }

  std::string Name;
  std::function<void()> Once;
  std::vector<double> Batches; // seconds per run, one value per batch
  std::function<double()> TimedPart;
};

// The performance counter, in seconds.
double Now();
// The middle value (the upper one of an even count); 0 for none.
double Median(std::vector<double> Values);

// Runs every case for about Seconds in all, in Rounds batches each.
void RunCases(std::vector<TBenchCase>& Cases, double Seconds, int Rounds = 15);
// The median batch of a case, in seconds per run.
double MedianSeconds(const TBenchCase& Case);
// A table of microseconds per run, then "ratio <case>_vs_<reference> <value>" for each other
// case against Cases[0].
void PrintCases(const std::vector<TBenchCase>& Cases, const std::string& Title);
