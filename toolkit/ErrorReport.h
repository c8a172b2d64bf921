#pragma once
// Where errors go that nobody up the call chain can take: the application installs its
// standard report (a message box) here; before that they are written to standard error.

#include <exception>

using TExceptionReporter = void (*)(const std::exception& E);

// Installs Reporter and returns the one it replaces; null restores the default.
TExceptionReporter SetExceptionReporter(TExceptionReporter Reporter);
// Hands E to the installed report. A report that is already showing one error (its message
// box runs a message loop, where the same fault may strike again) is not entered a second
// time: the later error goes to standard error instead of stacking boxes.
void ReportException(const std::exception& E) noexcept;
// The exception being handled, whatever its type; call it inside a catch block.
void ReportCurrentException() noexcept;

// The exception barrier. Every call that comes from the system (window procedures, hooks,
// timers, sort and enumeration callbacks) runs its body Shielded: an exception of any kind
// goes to the report and never unwinds into the system, which cannot take it. (Named apart
// from the guards of ScopeGuards.h and GdiGuards.h, which undo state; this one stops errors.)
template <class R, class F> R Shielded(R Fallback, F&& Body) noexcept {
  try {
    return Body();
  } catch (...) {
    ReportCurrentException();
    return Fallback;
  }
}

template <class F> void Shielded(F&& Body) noexcept {
  try {
    Body();
  } catch (...) {
    ReportCurrentException();
  }
}
