// The undo guards: when the undo runs, and which error leaves the scope when the undo itself
// fails.

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

#include "toolkit/ScopeGuards.h"

namespace {

struct TCase {
  const char* Name;
  bool OnlyOnFailure;
  bool BodyFails;
  bool UndoFails;
  int UndoRuns;        // how often the undo ran
  const char* Escaped; // the message of the error that left the scope; "" for none
};

std::string RunScope(const TCase& Case, int& Runs) {
  try {
    const TScopeExit Undo(
        [&] {
          ++Runs;
          if (Case.UndoFails)
            throw std::runtime_error("undo");
        },
        Case.OnlyOnFailure);
    if (Case.BodyFails)
      throw std::runtime_error("body");
  } catch (const std::exception& E) {
    return E.what();
  }
  return "";
}

} // namespace

TEST(ScopeGuards, TheUndoRunsWhenItShouldAndTheFirstErrorIsTheOneThatLeaves) {
  const TCase Cases[] = {
      {"always, normal way out", false, false, false, 1, ""},
      {"always, failing body", false, true, false, 1, "body"},
      {"always, failing undo after a normal body", false, false, true, 1, "undo"},
      {"always, failing undo while the body's error leaves", false, true, true, 1, "body"},
      {"on failure, normal way out", true, false, false, 0, ""},
      {"on failure, failing body", true, true, false, 1, "body"},
      {"on failure, failing undo while the body's error leaves", true, true, true, 1, "body"},
  };
  for (const TCase& Case : Cases) {
    int Runs = 0;
    EXPECT_EQ(RunScope(Case, Runs), Case.Escaped) << Case.Name;
    EXPECT_EQ(Runs, Case.UndoRuns) << Case.Name;
  }
}

TEST(ScopeGuards, AFailureOnlyUndoLeftNormallyInsideACatchBlockDoesNotRun) {
  // Inside a catch block an exception is being handled but none is unwinding: a failure-only
  // undo of a scope that ends normally there must not run.
  int Runs = 0;
  try {
    throw std::runtime_error("outer");
  } catch (const std::exception&) {
    const TFailureScope Undo([&] { ++Runs; });
  }
  EXPECT_EQ(Runs, 0);
}
