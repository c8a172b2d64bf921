#include "bench/RatioReporter.h"

#include <algorithm>
#include <cstdio>
#include <unistd.h>

TRatioReporter::TRatioReporter()
    : benchmark::ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Color : OO_None) {}

void TRatioReporter::ReportRuns(const std::vector<Run>& Runs) {
  std::vector<Run> Shown;
  for (const Run& R : Runs) {
    if (R.run_type == Run::RT_Aggregate) {
      if (R.aggregate_name == "median" || R.aggregate_name == "cv")
        Shown.push_back(R);
      continue;
    }
    if (R.repetitions <= 1)
      Shown.push_back(R);
    if (R.error_occurred || R.iterations == 0)
      continue;
    FFigures[R.run_name.str()].push_back(R.cpu_accumulated_time /
                                         static_cast<double>(R.iterations));
    for (const auto& [Name, Counter] : R.counters)
      FFigures[R.run_name.str() + ":" + Name].push_back(Counter.value);
  }
  benchmark::ConsoleReporter::ReportRuns(Shown);
}

void TRatioReporter::PrintRatios(std::ostream& Out, const std::vector<TRatio>& Ratios) const {
  for (const TRatio& Ratio : Ratios) {
    const auto Ours = FFigures.find(Ratio.Ours), Reference = FFigures.find(Ratio.Reference);
    if (Ours == FFigures.end() || Reference == FFigures.end())
      continue;
    const size_t Count = std::min(Ours->second.size(), Reference->second.size());
    std::vector<double> Values;
    for (size_t I = 0; I < Count; ++I)
      if (Reference->second[I] > 0)
        Values.push_back(Ours->second[I] / (Reference->second[I] * Ratio.Scale));
    if (Values.empty())
      continue;
    std::sort(Values.begin(), Values.end());
    const size_t Middle = Values.size() / 2;
    const double Median =
        Values.size() % 2 ? Values[Middle] : (Values[Middle - 1] + Values[Middle]) / 2;
    char Line[160];
    std::snprintf(Line, sizeof Line, "ratio %s %.2f spread %.2f-%.2f over %zu\n",
                  Ratio.Name.c_str(), Median, Values.front(), Values.back(), Values.size());
    Out << Line;
  }
  Out.flush();
}

std::vector<char*> BenchArguments(int argc, char** argv) {
  static char Repetitions[] = "--benchmark_repetitions=9";
  static char Interleave[] = "--benchmark_enable_random_interleaving=true";
  std::vector<char*> Arguments{argv[0], Repetitions, Interleave};
  Arguments.insert(Arguments.end(), argv + 1, argv + argc);
  Arguments.push_back(nullptr);
  return Arguments;
}
