#include "toolkit/ErrorReport.h"

#include <cstdio>

namespace {

void WriteToStandardError(const std::exception& E) { std::fprintf(stderr, "%s\n", E.what()); }

TExceptionReporter GReporter = nullptr;

} // namespace

TExceptionReporter SetExceptionReporter(TExceptionReporter Reporter) {
  const TExceptionReporter Previous = GReporter;
  GReporter = Reporter;
  return Previous;
}

void ReportException(const std::exception& E) { (GReporter ? GReporter : WriteToStandardError)(E); }
