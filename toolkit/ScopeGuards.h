#pragma once
// Guards for state that a piece of code changes for a while: each puts back what it changed
// on every path out, an exception included. (Device contexts and GDI objects have theirs in
// GdiGuards.h, kernel handles theirs in KernelHandle.h.)

#include <exception>
#include <utility>

// A flag raised for the guard's life and lowered on every path out.
class TFlagScope {
public:
  explicit TFlagScope(bool& Flag) : FFlag(Flag) { FFlag = true; }
  ~TFlagScope() { FFlag = false; }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;

private:
  bool& FFlag;
};

// Exchanges two values for the guard's life (when Active).
template <class T> class TSwapScope {
public:
  TSwapScope(T& A, T& B, bool Active = true) : FA(A), FB(B), FActive(Active) {
    if (FActive)
      std::swap(FA, FB);
  }
  ~TSwapScope() {
    if (FActive)
      std::swap(FA, FB);
  }
  TSwapScope(const TSwapScope&) = delete;
  TSwapScope& operator=(const TSwapScope&) = delete;

private:
  T& FA;
  T& FB;
  bool FActive;
};

// Runs Undo when the guard ends: on every path out, or (OnlyOnFailure) only when an exception
// leaves the scope. A failure of Undo itself while another exception is already on its way is
// dropped, the first one being the one that tells what went wrong; on a normal way out it
// propagates as it would from a call written after the scope.
template <class F> class TScopeExit {
public:
  explicit TScopeExit(F Undo, bool OnlyOnFailure = false)
      : FUndo(std::move(Undo)), FOnlyOnFailure(OnlyOnFailure) {}
  ~TScopeExit() noexcept(false) {
    const bool Failing = std::uncaught_exceptions() > FUncaught;
    if (FOnlyOnFailure && !Failing)
      return;
    if (!Failing) {
      FUndo();
      return;
    }
    try {
      FUndo();
    } catch (...) {
    }
  }
  TScopeExit(const TScopeExit&) = delete;
  TScopeExit& operator=(const TScopeExit&) = delete;

private:
  F FUndo;
  bool FOnlyOnFailure;
  int FUncaught = std::uncaught_exceptions();
};

// Undo only when the scope is left by an exception: the normal way out keeps what was done.
template <class F> class TFailureScope : public TScopeExit<F> {
public:
  explicit TFailureScope(F Undo) : TScopeExit<F>(std::move(Undo), true) {}
};
