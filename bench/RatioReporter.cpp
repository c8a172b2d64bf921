#include "bench/RatioReporter.h"

#include <cstdio>
#include <unistd.h>

TRatioReporter::TRatioReporter()
    : benchmark::ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Color : OO_None) {}

void TRatioReporter::ReportRuns(const std::vector<Run>& Runs) {
  benchmark::ConsoleReporter::ReportRuns(Runs);
  // Repetitions add up; their aggregates (mean, median, ...) would count them twice.
  for (const Run& R : Runs) {
    if (R.run_type != Run::RT_Iteration || R.error_occurred || R.iterations == 0)
      continue;
    TTotal& Total = FTotals[R.run_name.str()];
    Total.Seconds += R.cpu_accumulated_time;
    Total.Iterations += static_cast<double>(R.iterations);
  }
}

void TRatioReporter::PrintRatios(std::ostream& Out, const std::vector<TRatio>& Ratios) const {
  const auto MeanSeconds = [this](const std::string& Name) {
    const auto Found = FTotals.find(Name);
    return Found == FTotals.end() ? 0.0 : Found->second.Seconds / Found->second.Iterations;
  };
  for (const TRatio& Ratio : Ratios) {
    const double Ours = MeanSeconds(Ratio.Ours), Reference = MeanSeconds(Ratio.Reference);
    if (Ours <= 0 || Reference <= 0)
      continue;
    char Value[32];
    std::snprintf(Value, sizeof Value, "%.2f", Ours / Reference);
    Out << "ratio " << Ratio.Name << ' ' << Value << '\n';
  }
  Out.flush();
}
