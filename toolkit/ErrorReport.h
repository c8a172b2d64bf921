#pragma once
// Where errors go that nobody up the call chain can take: the application installs its
// standard report (a message box) here; before that they are written to standard error.

#include <exception>

using TExceptionReporter = void (*)(const std::exception& E);

// Installs Reporter and returns the one it replaces; null restores the default.
TExceptionReporter SetExceptionReporter(TExceptionReporter Reporter);
void ReportException(const std::exception& E);
