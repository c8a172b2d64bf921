// The cost of composing one transition frame, for a few effects of every kind, beside memcpy
// of one frame's bytes. The frames a transition shows depend on this and on the time each
// frame takes to reach the screen: both count toward its length.

#include <benchmark/benchmark.h>
#include <cstring>
#include <iostream>
#include <malloc.h>
#include <stdexcept>
#include <string>

#include "bench/RatioReporter.h"
#include "bench/Streams.h"
#include "bench/Surfaces.h"
#include "bench/Turns.h"
#include "gfx/Animation.h"

namespace {

struct TSceneSize {
  const char* Name;
  int32_t Width, Height;
};
constexpr TSceneSize Sizes[] = {{"471x332", 471, 332}, {"800x600", 800, 600}, {"1920x1080", 1920, 1080}};
// Besides the fade, which runs in turns with its floor and memcpy.
const char* const Effects[] = {"SmoothDiagonal", "CircleSmoothOut", "Plasma", "Interlace", "Push"};

using TSurface = std::shared_ptr<TseBitmap>;

// Throws when Effect has no transition: a misspelt name would otherwise measure nothing.
TSetUp Compose(const std::string& Effect, TSceneSize Size) {
  return [Effect, Size]() -> TStep {
    const TSurface New = MakeSurface(Size.Width, Size.Height, 11, OpaquePixel);
    const TSurface Old = MakeSurface(Size.Width, Size.Height, 12, OpaquePixel);
    auto Settings = std::make_shared<TseAnimationRec>(); // the transition keeps a reference
    Settings->SetEffect(Effect);
    auto Transition = std::make_shared<TseTransition>(*Settings, *New, *Old);
    if (!Transition->Ready())
      throw std::runtime_error("no effect " + Effect);
    return [New, Old, Settings, Transition, Percent = 0]() mutable {
      Transition->Compose(Percent);
      Percent = (Percent + 7) % 101;
    };
  };
}

// A fade frame's memory floor: its three images read and written as the one-pass blend must.
TSetUp FadeFloor(TSceneSize Size) {
  return [Size]() -> TStep {
    const TSurface New = MakeSurface(Size.Width, Size.Height, 11, OpaquePixel);
    const TSurface Old = MakeSurface(Size.Width, Size.Height, 12, OpaquePixel);
    const TSurface Work = MakeSurface(Size.Width, Size.Height, 13, OpaquePixel);
    const size_t Count = static_cast<size_t>(Size.Width) * Size.Height;
    return [New, Old, Work, Count] { FadeStreams(Work->Bits(), New->Bits(), Old->Bits(), Count); };
  };
}

std::string Lower(std::string Text) {
  for (char& C : Text)
    C = static_cast<char>(std::tolower(static_cast<unsigned char>(C)));
  return Text;
}

} // namespace

int main(int argc, char** argv) {
  mallopt(M_MMAP_THRESHOLD, 1 << 20); // as in SurfaceBench: every surface its own mapping
  std::vector<TRatio> Ratios;
  for (const TSceneSize& Size : Sizes) {
    const int64_t Bytes = int64_t{Size.Width} * Size.Height * 4;
    const std::string Fade = std::string("Compose/Fade/") + Size.Name;
    RegisterTurns(Fade, {{"ours", Compose("Fade", Size)},
                         {"floor", FadeFloor(Size)},
                         {"memcpy", MemcpyFrame(Size.Width, Size.Height)}});
    Ratios.push_back({std::string("compose_fade_") + Size.Name + "_vs_memcpy", Fade + ":ours",
                      Fade + ":memcpy"});
    Ratios.push_back(
        {std::string("floor_fade_") + Size.Name + "_vs_memcpy", Fade + ":floor", Fade + ":memcpy"});
    Ratios.push_back(
        {std::string("compose_fade_") + Size.Name + "_vs_floor", Fade + ":ours", Fade + ":floor"});
    const std::string Reference = std::string("Memcpy/") + Size.Name;
    RegisterAlone(Reference, MemcpyFrame(Size.Width, Size.Height), Bytes);
    for (const char* Effect : Effects) {
      const std::string Name = std::string("Compose/") + Effect + "/" + Size.Name;
      RegisterAlone(Name, Compose(Effect, Size), Bytes);
      Ratios.push_back(
          {"compose_" + Lower(Effect) + "_" + Size.Name + "_vs_memcpy", Name, Reference});
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
