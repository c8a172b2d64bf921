#include "BenchCases.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

double Now() {
  static const double Frequency = [] {
    LARGE_INTEGER F;
    QueryPerformanceFrequency(&F);
    return static_cast<double>(F.QuadPart);
  }();
  LARGE_INTEGER Count;
  QueryPerformanceCounter(&Count);
  return static_cast<double>(Count.QuadPart) / Frequency;
}

double Median(std::vector<double> Values) {
  std::sort(Values.begin(), Values.end());
  return Values.empty() ? 0 : Values[Values.size() / 2];
}

void RunCases(std::vector<TBenchCase>& Cases, double Seconds, int Rounds) {
  const double PerBatch = Seconds / Rounds;
  for (int Round = 0; Round < Rounds; ++Round)
    for (TBenchCase& Case : Cases) {
      int Count = 0;
      GdiFlush();
      const double Start = Now();
      double Elapsed = 0, Timed = 0;
      while (Elapsed < PerBatch) {
        if (Case.TimedPart)
          Timed += Case.TimedPart();
        else
          Case.Once();
        GdiFlush();
        ++Count;
        Elapsed = Now() - Start;
      }
      Case.Batches.push_back((Case.TimedPart ? Timed : Elapsed) / Count);
    }
}

double MedianSeconds(const TBenchCase& Case) { return Median(Case.Batches); }

void PrintCases(const std::vector<TBenchCase>& Cases, const std::string& Title) {
  if (Cases.empty())
    return;
  std::printf("%-24s %10s\n", Title.c_str(), "us/run");
  for (const TBenchCase& Case : Cases)
    std::printf("%-24s %10.1f\n", Case.Name.c_str(), MedianSeconds(Case) * 1e6);
  const double Reference = MedianSeconds(Cases[0]);
  for (size_t I = 1; I < Cases.size(); ++I)
    std::printf("ratio %s_vs_%s %.2f\n", Cases[I].Name.c_str(), Cases[0].Name.c_str(),
                MedianSeconds(Cases[I]) / Reference);
  std::fflush(stdout);
}
