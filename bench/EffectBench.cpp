// The cost of composing one transition frame, for a few effects of every kind, beside memcpy
// of one frame's bytes. The frames a transition shows depend on this and on the time each
// frame takes to reach the screen: both count toward its length.

#include <benchmark/benchmark.h>
#include <cstring>
#include <iostream>
#include <malloc.h>
#include <string>

#include "bench/RatioReporter.h"
#include "bench/Streams.h"
#include "bench/Surfaces.h"
#include "gfx/Animation.h"

namespace {

struct TSize {
  const char* Name;
  int32_t Width, Height;
};
constexpr TSize Sizes[] = {{"471x332", 471, 332}, {"800x600", 800, 600}, {"1920x1080", 1920, 1080}};
const char* const Effects[] = {"Fade",   "SmoothDiagonal", "CircleSmoothOut",
                               "Plasma", "Interlace",      "Push"};

void Compose(benchmark::State& State, const std::string& Effect, TSize Size) {
  const auto New = MakeSurface(Size.Width, Size.Height, 11, OpaquePixel);
  const auto Old = MakeSurface(Size.Width, Size.Height, 12, OpaquePixel);
  TseAnimationRec Settings;
  Settings.SetEffect(Effect);
  TseTransition Transition(Settings, *New, *Old);
  if (!Transition.Ready()) {
    State.SkipWithError(("no effect " + Effect).c_str());
    return;
  }
  int32_t Percent = 0;
  for (auto _ : State) {
    Transition.Compose(Percent);
    Percent = (Percent + 7) % 101;
    benchmark::ClobberMemory();
  }
  State.SetBytesProcessed(State.iterations() * Size.Width * Size.Height * 4);
}

void Memcpy(benchmark::State& State, TSize Size) {
  const auto Source = MakeSurface(Size.Width, Size.Height, 11, OpaquePixel);
  const auto Target = MakeSurface(Size.Width, Size.Height, 12, OpaquePixel);
  const size_t Bytes = static_cast<size_t>(Size.Width) * Size.Height * 4;
  for (auto _ : State) {
    std::memcpy(Target->Bits(), Source->Bits(), Bytes);
    benchmark::ClobberMemory();
  }
  State.SetBytesProcessed(State.iterations() * static_cast<int64_t>(Bytes));
}

// A fade frame's memory floor: its three images read and written as the one-pass blend must.
void FadeFloor(benchmark::State& State, TSize Size) {
  const auto New = MakeSurface(Size.Width, Size.Height, 11, OpaquePixel);
  const auto Old = MakeSurface(Size.Width, Size.Height, 12, OpaquePixel);
  const auto Work = MakeSurface(Size.Width, Size.Height, 13, OpaquePixel);
  const size_t Count = static_cast<size_t>(Size.Width) * Size.Height;
  for (auto _ : State) {
    FadeStreams(Work->Bits(), New->Bits(), Old->Bits(), Count);
    benchmark::ClobberMemory();
  }
  State.SetBytesProcessed(State.iterations() * static_cast<int64_t>(Count) * 4);
}

} // namespace

int main(int argc, char** argv) {
  mallopt(M_MMAP_THRESHOLD, 1 << 20); // as in SurfaceBench: every surface its own mapping
  std::vector<TRatio> Ratios;
  for (const TSize& Size : Sizes) {
    const std::string Reference = std::string("Memcpy/") + Size.Name;
    benchmark::RegisterBenchmark(Reference.c_str(), Memcpy, Size)->Unit(benchmark::kMicrosecond);
    const std::string Floor = std::string("FadeFloor/") + Size.Name;
    benchmark::RegisterBenchmark(Floor.c_str(), FadeFloor, Size)->Unit(benchmark::kMicrosecond);
    Ratios.push_back({std::string("floor_fade_") + Size.Name + "_vs_memcpy", Floor, Reference});
    Ratios.push_back({std::string("compose_fade_") + Size.Name + "_vs_floor",
                      std::string("Compose/Fade/") + Size.Name, Floor});
    for (const char* Effect : Effects) {
      const std::string Name = std::string("Compose/") + Effect + "/" + Size.Name;
      benchmark::RegisterBenchmark(Name.c_str(), Compose, std::string(Effect), Size)
          ->Unit(benchmark::kMicrosecond);
      std::string Lower(Effect);
      for (char& C : Lower)
        C = static_cast<char>(std::tolower(static_cast<unsigned char>(C)));
      Ratios.push_back({"compose_" + Lower + "_" + Size.Name + "_vs_memcpy", Name, Reference});
    }
  }
  std::vector<char*> Arguments = BenchArguments(argc, argv);
  int Count = static_cast<int>(Arguments.size()) - 1;
  benchmark::Initialize(&Count, Arguments.data());
  if (benchmark::ReportUnrecognizedArguments(Count, Arguments.data()))
    return 1;
  TRatioReporter Reporter;
  benchmark::RunSpecifiedBenchmarks(&Reporter);
  Reporter.PrintRatios(std::cout, Ratios);
  return 0;
}
