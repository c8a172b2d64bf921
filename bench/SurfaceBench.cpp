// Throughput of the surface's pixel work on full-HD surfaces, with memcpy and pixman's OVER of
// the same pixel count as references measured in the same run. After the table, one line
// "ratio <name> <value>" per comparison: our mean CPU time per iteration divided by the
// reference's, so lower is better.
//
// Every benchmark produces or examines 1920 x 1080 pixels per iteration and reports 4 bytes
// per such pixel as processed. The pictures come from Surfaces.h, in runs of 1 to 32 pixels: the
// alpha ones about a third transparent, a third opaque and a third partly transparent pixels,
// the colour-key one about a third key-coloured pixels.

#include <benchmark/benchmark.h>
#include <cstring>
#include <iostream>
#include <malloc.h>
#include <pixman.h>
#include <string>
#include <vector>

#include "bench/RatioReporter.h"
#include "bench/SkinScenes.h"
#include "bench/Streams.h"
#include "bench/Surfaces.h"
#include "gfx/PixelRows.h"

namespace {

constexpr int32_t Width = 1920, Height = 1080;
constexpr int64_t FrameBytes = int64_t{Width} * Height * 4;
constexpr uint64_t SourceSeed = 1, BackgroundSeed = 2;
constexpr TsePixel HalfTransparentFill = 0x80336699;

void CountFrames(benchmark::State& State) {
  State.SetBytesProcessed(static_cast<int64_t>(State.iterations()) * FrameBytes);
}

std::unique_ptr<TseBitmap> Background() {
  return MakeSurface(Width, Height, BackgroundSeed, OpaquePixel);
}

// All of Source drawn over a whole opaque full-HD target, in the mode Source's flags choose.
void DrawFrames(benchmark::State& State, const TseBitmap& Source) {
  const auto Target = Background();
  for (auto _ : State) {
    Source.DrawTo(*Target, Target->BoundsRect(), Source.BoundsRect());
    benchmark::ClobberMemory();
  }
  CountFrames(State);
}

void DrawTo_Alpha(benchmark::State& State) {
  const auto Source = MakeSurface(Width, Height, SourceSeed, MixedAlphaPixel);
  Source->AlphaBlend = true;
  DrawFrames(State, *Source);
}

// A 3840 x 2160 source shrunk into the 1920 x 1080 target.
void DrawTo_AlphaScaled(benchmark::State& State) {
  const auto Source = MakeSurface(2 * Width, 2 * Height, SourceSeed, MixedAlphaPixel);
  Source->AlphaBlend = true;
  DrawFrames(State, *Source);
}

void DrawTo_ColorKey(benchmark::State& State) {
  const auto Source = MakeSurface(Width, Height, SourceSeed, KeyHolePixel);
  Source->Transparent = true;
  DrawFrames(State, *Source);
}

void DrawTo_Copy(benchmark::State& State) {
  DrawFrames(State, *MakeSurface(Width, Height, SourceSeed, OpaquePixel));
}

void FillRect_Blend(benchmark::State& State) {
  const auto Target = Background();
  Target->AlphaBlend = true;
  for (auto _ : State) {
    Target->FillRect(Target->BoundsRect(), HalfTransparentFill);
    benchmark::ClobberMemory();
  }
  CountFrames(State);
}

void MergeUnder(benchmark::State& State) {
  const auto Pristine = MakeSurface(Width, Height, SourceSeed, MixedAlphaPixel);
  const auto Surface = MakeSurface(Width, Height, SourceSeed, MixedAlphaPixel);
  const auto Under = Background();
  for (auto _ : State) {
    Surface->MergeUnder(*Under, 0, 0, Under->BoundsRect());
    benchmark::ClobberMemory();
    // Merging makes the surface opaque; later iterations must see the same alpha mix.
    State.PauseTiming();
    std::memcpy(Surface->Bits(), Pristine->Bits(), FrameBytes);
    State.ResumeTiming();
  }
  CountFrames(State);
}

void SetAlpha(benchmark::State& State) {
  const auto Surface = Background();
  for (auto _ : State) {
    Surface->SetAlpha(128);
    benchmark::ClobberMemory();
  }
  CountFrames(State);
}

void CheckTransparent(benchmark::State& State) {
  const auto Surface = MakeSurface(Width, Height, SourceSeed, KeyHolePixel);
  for (auto _ : State) {
    Surface->CheckTransparent(KeyColor);
    benchmark::DoNotOptimize(Surface->Transparent);
  }
  if (!Surface->Transparent)
    State.SkipWithError("the picture has no key-coloured pixels");
  CountFrames(State);
}

// Without partial alpha the check has to read every pixel.
void CheckAlphaBlend(benchmark::State& State) {
  const auto Surface = MakeSurface(Width, Height, SourceSeed, TwoLevelAlphaPixel);
  for (auto _ : State) {
    Surface->CheckAlphaBlend();
    benchmark::DoNotOptimize(Surface->AlphaBlend);
  }
  if (Surface->AlphaBlend)
    State.SkipWithError("the picture has partial alpha, so the check stops early");
  CountFrames(State);
}

void MemcpyFrames(benchmark::State& State, int32_t W, int32_t H) {
  const auto Source = MakeSurface(W, H, SourceSeed, OpaquePixel);
  const auto Target = MakeSurface(W, H, BackgroundSeed, OpaquePixel);
  const size_t Bytes = static_cast<size_t>(W) * static_cast<size_t>(H) * 4;
  for (auto _ : State) {
    std::memcpy(Target->Bits(), Source->Bits(), Bytes);
    benchmark::ClobberMemory();
  }
  State.SetBytesProcessed(static_cast<int64_t>(State.iterations()) * static_cast<int64_t>(Bytes));
}

// pixman reads premultiplied pixels: the DrawTo_Alpha source, premultiplied.
void PixmanOverFrames(benchmark::State& State, int32_t W, int32_t H) {
  std::vector<uint32_t> SourceBits = Premultiplied(*MakeSurface(W, H, SourceSeed, MixedAlphaPixel));
  const auto Target = MakeSurface(W, H, BackgroundSeed, OpaquePixel);
  pixman_image_t* Source =
      pixman_image_create_bits(PIXMAN_a8r8g8b8, W, H, SourceBits.data(), W * 4);
  pixman_image_t* Dest = pixman_image_create_bits(PIXMAN_a8r8g8b8, W, H, Target->Bits(), W * 4);
  if (!Source || !Dest)
    State.SkipWithError("pixman_image_create_bits failed");
  else
    for (auto _ : State) {
      pixman_image_composite32(PIXMAN_OP_OVER, Source, nullptr, Dest, 0, 0, 0, 0, 0, 0, W, H);
      benchmark::ClobberMemory();
    }
  if (Source)
    pixman_image_unref(Source);
  if (Dest)
    pixman_image_unref(Dest);
  State.SetBytesProcessed(static_cast<int64_t>(State.iterations()) * W * H * 4);
}

// The floors of DrawTo_ColorKey and DrawTo_AlphaScaled: the same sources and targets, read
// and written as little as those draws must.
void Floor_ColorKey(benchmark::State& State) {
  const auto Source = MakeSurface(Width, Height, SourceSeed, KeyHolePixel);
  const auto Target = Background();
  for (auto _ : State) {
    SourceOverTarget(Target->Bits(), Source->Bits(), static_cast<size_t>(Width) * Height);
    benchmark::ClobberMemory();
  }
  CountFrames(State);
}

void Floor_AlphaScaled(benchmark::State& State) {
  const auto Source = MakeSurface(2 * Width, 2 * Height, SourceSeed, MixedAlphaPixel);
  const auto Target = Background();
  for (auto _ : State) {
    for (int32_t Y = 0; Y < Height; ++Y)
      HalvedSourceOverTarget(Target->PixelPtr(0, Y), Source->PixelPtr(0, 2 * Y), Width);
    benchmark::ClobberMemory();
  }
  CountFrames(State);
}

void Reference_Memcpy(benchmark::State& State) { MemcpyFrames(State, Width, Height); }
void Reference_PixmanOver(benchmark::State& State) { PixmanOverFrames(State, Width, Height); }

// ---------------------------------------------------------------------------------------
// Real pictures: each skin's pieces of one drawing mode over an opaque target of the main
// window's size or full HD, all of them per iteration.

struct TSkinFile {
  const char* Name;
  const char* Path;
};
constexpr TSkinFile SkinFiles[] = {{"builtin", MIREVAN_BUILTIN_SKIN}, {"ember", MIREVAN_DARK_SKIN}};
struct TTargetSize {
  const char* Name;
  int32_t Width, Height;
};
constexpr TTargetSize TargetSizes[] = {{"471x332", 471, 332}, {"1920x1080", Width, Height}};
struct TModeName {
  TSceneMode Mode;
  const char* Name;
  const char* Reference; // "memcpy" or "pixman_over"
};
constexpr TModeName ModeNames[] = {{TSceneMode::Copy, "copy", "memcpy"},
                                   {TSceneMode::ColorKey, "colorkey", "memcpy"},
                                   {TSceneMode::Alpha, "alpha", "pixman_over"},
                                   {TSceneMode::AlphaScaled, "alpha_scaled", "pixman_over"}};

void DrawScene(benchmark::State& State, std::vector<TScenePiece> Pieces, TTargetSize Size) {
  const auto Target = MakeSurface(Size.Width, Size.Height, BackgroundSeed, OpaquePixel);
  for (auto _ : State) {
    for (const TScenePiece& Piece : Pieces)
      DrawPiece(Piece, *Target);
    benchmark::ClobberMemory();
  }
  State.SetBytesProcessed(static_cast<int64_t>(State.iterations()) * CoveredPixels(Pieces) * 4);
}

// Registers the real-picture benchmarks and their references; adds their ratios.
void RegisterSkinScenes(std::vector<TRatio>& Ratios,
                        std::vector<std::unique_ptr<TSeSkinSource>>& Skins) {
  for (const TTargetSize& Size : TargetSizes) {
    const std::string Tag = std::string("/") + Size.Name;
    if (Size.Width != Width) {
      benchmark::RegisterBenchmark(("Reference_Memcpy" + Tag).c_str(), MemcpyFrames, Size.Width,
                                   Size.Height)
          ->Unit(benchmark::kMicrosecond);
      benchmark::RegisterBenchmark(("Reference_PixmanOver" + Tag).c_str(), PixmanOverFrames,
                                   Size.Width, Size.Height)
          ->Unit(benchmark::kMicrosecond);
    }
  }
  for (const TSkinFile& File : SkinFiles) {
    Skins.push_back(LoadSkin(File.Path));
    if (Skins.back()->ObjectCount() == 0) {
      std::cerr << "no skin in " << File.Path << '\n';
      continue;
    }
    for (const TTargetSize& Size : TargetSizes) {
      const std::vector<TScenePiece> Scene =
          SkinScene(*Skins.back(), {0, 0, Size.Width, Size.Height});
      for (const TModeName& Mode : ModeNames) {
        std::vector<TScenePiece> Pieces = PiecesOf(Scene, Mode.Mode);
        if (Pieces.empty())
          continue;
        const double Covered = static_cast<double>(CoveredPixels(Pieces));
        const std::string Name =
            std::string("Real_") + Mode.Name + "/" + File.Name + "/" + Size.Name;
        benchmark::RegisterBenchmark(Name.c_str(), DrawScene, Pieces, Size)
            ->Unit(benchmark::kMicrosecond);
        const bool Memcpy = std::string(Mode.Reference) == "memcpy";
        std::string Reference = Memcpy ? "Reference_Memcpy" : "Reference_PixmanOver";
        if (Size.Width != Width)
          Reference += std::string("/") + Size.Name;
        Ratios.push_back({std::string("real_") + File.Name + "_" + Mode.Name + "_" + Size.Name +
                              "_vs_" + Mode.Reference,
                          Name, Reference,
                          Covered / (static_cast<double>(Size.Width) * Size.Height)});
      }
    }
  }
}

std::vector<TRatio> Ratios = {
    {"drawto_alpha_vs_pixman_over", "DrawTo_Alpha", "Reference_PixmanOver"},
    {"drawto_alpha_scaled_vs_pixman_over", "DrawTo_AlphaScaled", "Reference_PixmanOver"},
    {"drawto_copy_vs_memcpy", "DrawTo_Copy", "Reference_Memcpy"},
    {"drawto_colorkey_vs_memcpy", "DrawTo_ColorKey", "Reference_Memcpy"},
    {"fillrect_blend_vs_pixman_over", "FillRect_Blend", "Reference_PixmanOver"},
    {"mergeunder_vs_pixman_over", "MergeUnder", "Reference_PixmanOver"},
    {"setalpha_vs_memcpy", "SetAlpha", "Reference_Memcpy"},
    {"checktransparent_vs_memcpy", "CheckTransparent", "Reference_Memcpy"},
    {"checkalphablend_vs_memcpy", "CheckAlphaBlend", "Reference_Memcpy"},
    // How far the machine's memory alone takes the two draws whose streams exceed their
    // references', and how close the draws come to it.
    {"floor_colorkey_vs_memcpy", "Floor_ColorKey", "Reference_Memcpy"},
    {"drawto_colorkey_vs_floor", "DrawTo_ColorKey", "Floor_ColorKey"},
    {"floor_alpha_scaled_vs_pixman_over", "Floor_AlphaScaled", "Reference_PixmanOver"},
    {"drawto_alpha_scaled_vs_floor", "DrawTo_AlphaScaled", "Floor_AlphaScaled"},
};

} // namespace

BENCHMARK(DrawTo_Alpha)->Unit(benchmark::kMicrosecond);
BENCHMARK(DrawTo_AlphaScaled)->Unit(benchmark::kMicrosecond);
BENCHMARK(DrawTo_ColorKey)->Unit(benchmark::kMicrosecond);
BENCHMARK(DrawTo_Copy)->Unit(benchmark::kMicrosecond);
BENCHMARK(FillRect_Blend)->Unit(benchmark::kMicrosecond);
BENCHMARK(MergeUnder)->Unit(benchmark::kMicrosecond);
BENCHMARK(SetAlpha)->Unit(benchmark::kMicrosecond);
BENCHMARK(CheckTransparent)->Unit(benchmark::kMicrosecond);
BENCHMARK(CheckAlphaBlend)->Unit(benchmark::kMicrosecond);
BENCHMARK(Floor_ColorKey)->Unit(benchmark::kMicrosecond);
BENCHMARK(Floor_AlphaScaled)->Unit(benchmark::kMicrosecond);
BENCHMARK(Reference_Memcpy)->Unit(benchmark::kMicrosecond);
BENCHMARK(Reference_PixmanOver)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
  // Every surface in a mapping of its own, so all start at the same offset in a page, much as
  // the Windows build's page-aligned sections do. Left to itself, glibc serves big blocks from
  // the heap once some were freed, at offsets that depend on the benchmarks run before; a
  // target 16 bytes past its source modulo 4096 made DrawTo_Copy's row memcpy about five
  // times slower.
  mallopt(M_MMAP_THRESHOLD, 1 << 20);
  std::vector<char*> Arguments = BenchArguments(argc, argv);
  int Count = static_cast<int>(Arguments.size()) - 1;
  benchmark::Initialize(&Count, Arguments.data());
  if (benchmark::ReportUnrecognizedArguments(Count, Arguments.data()))
    return 1;
  benchmark::AddCustomContext("pixel_rows", PixelRows().Name);
  std::vector<std::unique_ptr<TSeSkinSource>> Skins;
  RegisterSkinScenes(Ratios, Skins);
  TRatioReporter Reporter;
  benchmark::RunSpecifiedBenchmarks(&Reporter);
  Reporter.PrintRatios(std::cout, Ratios);
  benchmark::Shutdown();
  return 0;
}
