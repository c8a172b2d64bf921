#include "bench/Turns.h"

#include <ctime>
#include <exception>

namespace {

double ThreadSeconds() {
  timespec Now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &Now);
  return static_cast<double>(Now.tv_sec) + static_cast<double>(Now.tv_nsec) * 1e-9;
}

void RunSteps(const TStep& Step, int Count) {
  for (int I = 0; I < Count; ++I) {
    Step();
    benchmark::ClobberMemory();
  }
}

void TakeTurns(benchmark::State& State, const std::vector<TTurn>& Turns) {
  std::vector<TStep> Steps;
  for (const TTurn& Turn : Turns)
    Steps.push_back(Turn.SetUp());
  std::vector<double> Seconds(Turns.size());
  for (auto _ : State)
    for (size_t I = 0; I < Steps.size(); ++I) {
      RunSteps(Steps[I], WarmSteps);
      const double Start = ThreadSeconds();
      RunSteps(Steps[I], TimedSteps);
      Seconds[I] += ThreadSeconds() - Start;
    }
  for (size_t I = 0; I < Turns.size(); ++I)
    State.counters[Turns[I].Name] =
        benchmark::Counter(Seconds[I] / TimedSteps, benchmark::Counter::kAvgIterations);
}

void RunAlone(benchmark::State& State, const TSetUp& SetUp, int64_t Bytes) {
  const TStep Step = SetUp();
  for (auto _ : State) {
    Step();
    benchmark::ClobberMemory();
  }
  State.SetBytesProcessed(static_cast<int64_t>(State.iterations()) * Bytes);
}

// Runs Body, ending the benchmark with the error a set-up threw.
template <class TBody> void Shielded(benchmark::State& State, const TBody& Body) {
  try {
    Body();
  } catch (const std::exception& Error) {
    State.SkipWithError(Error.what());
  }
}

} // namespace

void RegisterTurns(const std::string& Name, std::vector<TTurn> Turns) {
  benchmark::RegisterBenchmark(Name.c_str(), [Turns](benchmark::State& State) {
    Shielded(State, [&] { TakeTurns(State, Turns); });
  })->Unit(benchmark::kMicrosecond);
}

void RegisterAlone(const std::string& Name, TSetUp SetUp, int64_t Bytes) {
  benchmark::RegisterBenchmark(Name.c_str(), [SetUp, Bytes](benchmark::State& State) {
    Shielded(State, [&] { RunAlone(State, SetUp, Bytes); });
  })->Unit(benchmark::kMicrosecond);
}
