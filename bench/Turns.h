#pragma once
// Routines measured in turns. The machine is shared: what the neighbours do to the memory bus
// and the caches changes from one second to the next, so two benchmarks run apart meet
// different machines, and the ratio of their figures wanders by a third. A turns benchmark
// runs a routine and its references one after the other within each iteration and times each
// apart, so all of them meet the same load; the ratio per repetition keeps little of it.
//
// Each turn runs its step WarmSteps times untimed, then TimedSteps times timed. Run alone, a
// routine finds its data where its last iteration left it, in the caches as far as they hold
// it; the warm steps give it back that state after the other turns have displaced it, so the
// figures are those of the routine run alone.

#include <benchmark/benchmark.h>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

using TStep = std::function<void()>;
// Sets up a routine's data and gives one iteration of its work over them. May throw; the
// benchmark then ends with the error.
using TSetUp = std::function<TStep()>;

struct TTurn {
  std::string Name; // the counter the step's time goes to
  TSetUp SetUp;
};

constexpr int WarmSteps = 8, TimedSteps = 8;

// Registers Name: per iteration every turn in order, each timed by the thread's CPU clock.
// Each turn's CPU seconds per step become the counter of its name, which TRatioReporter keeps
// as "<Name>:<turn>". The benchmark's own time is that of whole rounds.
void RegisterTurns(const std::string& Name, std::vector<TTurn> Turns);

// Registers Name: the step alone, once per iteration, with Bytes per iteration processed.
void RegisterAlone(const std::string& Name, TSetUp SetUp, int64_t Bytes);
