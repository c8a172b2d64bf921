#include "toolkit/ErrorReport.h"

#include <cstdio>
#include <stdexcept>

namespace {

void WriteToStandardError(const std::exception& E) { std::fprintf(stderr, "%s\n", E.what()); }

TExceptionReporter GReporter = nullptr;
bool GReporting = false;

} // namespace

TExceptionReporter SetExceptionReporter(TExceptionReporter Reporter) {
  const TExceptionReporter Previous = GReporter;
  GReporter = Reporter;
  return Previous;
}

void ReportException(const std::exception& E) noexcept {
  if (GReporting || !GReporter) {
    WriteToStandardError(E);
    return;
  }
  GReporting = true;
  try {
    GReporter(E);
  } catch (...) {
    // A report that fails has nowhere left to go.
  }
  GReporting = false;
}

void ReportCurrentException() noexcept {
  try {
    throw;
  } catch (const std::exception& E) {
    ReportException(E);
  } catch (...) {
    ReportException(std::runtime_error("Unknown exception"));
  }
}
