// Throughput of the surface's pixel work on full-HD surfaces, with memcpy and pixman's OVER of
// the same pixel count as references measured in the same run. After the table, one line
// "ratio <name> <value>" per comparison: our CPU time per iteration divided by the
// reference's, so lower is better.
//
// The routines with a goal run in turns with their references (bench/Turns.h): the row
// DrawTo_ColorKey shows ours=, floor= and memcpy= per step. The others run alone, beside
// Reference_Memcpy and Reference_PixmanOver run alone.
//
// Every benchmark produces or examines 1920 x 1080 pixels per step. The pictures come from
// Surfaces.h, in runs of 1 to 32 pixels: the alpha ones about a third transparent, a third
// opaque and a third partly transparent pixels, the colour-key one about a third key-coloured
// pixels.

#include <benchmark/benchmark.h>
#include <cstring>
#include <iostream>
#include <malloc.h>
#include <pixman.h>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/RatioReporter.h"
#include "bench/SkinScenes.h"
#include "bench/Streams.h"
#include "bench/Surfaces.h"
#include "bench/Turns.h"
#include "gfx/PixelRows.h"

namespace {

using TSurface = std::shared_ptr<TseBitmap>;

constexpr int32_t Width = 1920, Height = 1080;
constexpr int64_t FrameBytes = int64_t{Width} * Height * 4;
constexpr uint64_t SourceSeed = 1, BackgroundSeed = 2;
constexpr TsePixel HalfTransparentFill = 0x80336699;

TSurface Background() { return MakeSurface(Width, Height, BackgroundSeed, OpaquePixel); }

TSurface AlphaSource(int32_t W, int32_t H) {
  TSurface Source = MakeSurface(W, H, SourceSeed, MixedAlphaPixel);
  Source->AlphaBlend = true;
  return Source;
}

TSurface KeySource() {
  TSurface Source = MakeSurface(Width, Height, SourceSeed, KeyHolePixel);
  Source->Transparent = true;
  return Source;
}

// All of Source drawn over a whole opaque full-HD target, in the mode Source's flags choose.
TSetUp DrawFrames(TSurface (*MakeSource)()) {
  return [MakeSource]() -> TStep {
    const TSurface Source = MakeSource(), Target = Background();
    return
        [Source, Target] { Source->DrawTo(*Target, Target->BoundsRect(), Source->BoundsRect()); };
  };
}

TSurface Alpha() { return AlphaSource(Width, Height); }
TSurface AlphaTwiceTheSize() { return AlphaSource(2 * Width, 2 * Height); } // shrunk 2:1
TSurface Opaque() { return MakeSurface(Width, Height, SourceSeed, OpaquePixel); }

TStep FillRectBlend() {
  const TSurface Target = Background();
  Target->AlphaBlend = true;
  return [Target] { Target->FillRect(Target->BoundsRect(), HalfTransparentFill); };
}

TStep SetAlpha() {
  const TSurface Surface = Background();
  return [Surface] { Surface->SetAlpha(128); };
}

TStep CheckTransparent() {
  const TSurface Surface = MakeSurface(Width, Height, SourceSeed, KeyHolePixel);
  Surface->CheckTransparent(KeyColor);
  if (!Surface->Transparent)
    throw std::runtime_error("the picture has no key-coloured pixels");
  return [Surface] {
    Surface->CheckTransparent(KeyColor);
    benchmark::DoNotOptimize(Surface->Transparent);
  };
}

// Without partial alpha the check has to read every pixel.
TStep CheckAlphaBlend() {
  const TSurface Surface = MakeSurface(Width, Height, SourceSeed, TwoLevelAlphaPixel);
  Surface->CheckAlphaBlend();
  if (Surface->AlphaBlend)
    throw std::runtime_error("the picture has partial alpha, so the check stops early");
  return [Surface] {
    Surface->CheckAlphaBlend();
    benchmark::DoNotOptimize(Surface->AlphaBlend);
  };
}

// Merging makes the surface opaque; after each iteration, untimed, it gets back the same
// alpha mix. So it runs alone, outside the steps of bench/Turns.h.
void MergeUnder(benchmark::State& State) {
  const TSurface Pristine = MakeSurface(Width, Height, SourceSeed, MixedAlphaPixel);
  const TSurface Surface = MakeSurface(Width, Height, SourceSeed, MixedAlphaPixel);
  const TSurface Under = Background();
  for (auto _ : State) {
    Surface->MergeUnder(*Under, 0, 0, Under->BoundsRect());
    benchmark::ClobberMemory();
    State.PauseTiming();
    std::memcpy(Surface->Bits(), Pristine->Bits(), FrameBytes);
    State.ResumeTiming();
  }
  State.SetBytesProcessed(static_cast<int64_t>(State.iterations()) * FrameBytes);
}

// pixman reads premultiplied pixels: the alpha draw's source, premultiplied.
TSetUp PixmanOver(int32_t W, int32_t H) {
  return [W, H]() -> TStep {
    auto Bits = std::make_shared<std::vector<uint32_t>>(Premultiplied(*AlphaSource(W, H)));
    const TSurface Target = MakeSurface(W, H, BackgroundSeed, OpaquePixel);
    const std::shared_ptr<pixman_image_t> Source(
        pixman_image_create_bits(PIXMAN_a8r8g8b8, W, H, Bits->data(), W * 4), pixman_image_unref);
    const std::shared_ptr<pixman_image_t> Dest(
        pixman_image_create_bits(PIXMAN_a8r8g8b8, W, H, Target->Bits(), W * 4), pixman_image_unref);
    if (!Source || !Dest)
      throw std::runtime_error("pixman_image_create_bits failed");
    return [Bits, Target, Source, Dest, W, H] {
      pixman_image_composite32(PIXMAN_OP_OVER, Source.get(), nullptr, Dest.get(), 0, 0, 0, 0, 0, 0,
                               W, H);
    };
  };
}

// The floors of the colour-key draw and the halving: the same sources and targets, read and
// written as little as those draws must.
TStep FloorColorKey() {
  const TSurface Source = KeySource(), Target = Background();
  return [Source, Target] {
    SourceOverTarget(Target->Bits(), Source->Bits(), static_cast<size_t>(Width) * Height);
  };
}

TStep FloorAlphaScaled() {
  const TSurface Source = AlphaTwiceTheSize(), Target = Background();
  return [Source, Target] {
    for (int32_t Y = 0; Y < Height; ++Y)
      HalvedSourceOverTarget(Target->PixelPtr(0, Y), Source->PixelPtr(0, 2 * Y), Width);
  };
}

std::vector<TRatio> Ratios;

// A turns benchmark of ours, maybe a floor, and a reference; its ratios as named.
void RegisterGoal(const std::string& Name, const std::string& Ratio, const TSetUp& Ours,
                  const TSetUp& Floor, const std::string& Reference, const TSetUp& ReferenceSetUp) {
  std::vector<TTurn> Turns{{"ours", Ours}};
  if (Floor)
    Turns.push_back({"floor", Floor});
  Turns.push_back({Reference, ReferenceSetUp});
  RegisterTurns(Name, Turns);
  Ratios.push_back({Ratio + "_vs_" + Reference, Name + ":ours", Name + ":" + Reference});
  if (Floor) {
    // How far the machine's memory alone takes the draw, and how close the draw comes to it.
    Ratios.push_back({"floor_" + Ratio.substr(Ratio.find('_') + 1) + "_vs_" + Reference,
                      Name + ":floor", Name + ":" + Reference});
    Ratios.push_back({Ratio + "_vs_floor", Name + ":ours", Name + ":floor"});
  }
}

void RegisterFullHd() {
  const TSetUp FullMemcpy = MemcpyFrame(Width, Height), FullPixman = PixmanOver(Width, Height);
  RegisterGoal("DrawTo_Alpha", "drawto_alpha", DrawFrames(Alpha), nullptr, "pixman_over",
               FullPixman);
  RegisterGoal("DrawTo_AlphaScaled", "drawto_alpha_scaled", DrawFrames(AlphaTwiceTheSize),
               FloorAlphaScaled, "pixman_over", FullPixman);
  RegisterGoal("DrawTo_Copy", "drawto_copy", DrawFrames(Opaque), nullptr, "memcpy", FullMemcpy);
  RegisterGoal("DrawTo_ColorKey", "drawto_colorkey", DrawFrames(KeySource), FloorColorKey, "memcpy",
               FullMemcpy);
  RegisterGoal("CheckTransparent", "checktransparent", CheckTransparent, nullptr, "memcpy",
               FullMemcpy);

  RegisterAlone("FillRect_Blend", FillRectBlend, FrameBytes);
  benchmark::RegisterBenchmark("MergeUnder", MergeUnder)->Unit(benchmark::kMicrosecond);
  RegisterAlone("SetAlpha", SetAlpha, FrameBytes);
  RegisterAlone("CheckAlphaBlend", CheckAlphaBlend, FrameBytes);
  RegisterAlone("Reference_Memcpy", FullMemcpy, FrameBytes);
  RegisterAlone("Reference_PixmanOver", FullPixman, FrameBytes);
  Ratios.insert(Ratios.end(),
                {{"fillrect_blend_vs_pixman_over", "FillRect_Blend", "Reference_PixmanOver"},
                 {"mergeunder_vs_pixman_over", "MergeUnder", "Reference_PixmanOver"},
                 {"setalpha_vs_memcpy", "SetAlpha", "Reference_Memcpy"},
                 {"checkalphablend_vs_memcpy", "CheckAlphaBlend", "Reference_Memcpy"}});
}

// ---------------------------------------------------------------------------------------
// Real pictures: each skin's pieces of one drawing mode over an opaque target of the main
// window's size or full HD, all of them per step, in turns with the reference over as many
// pixels as the pieces cover.

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

TSetUp DrawScene(std::vector<TScenePiece> Pieces, TTargetSize Size) {
  return [Pieces, Size]() -> TStep {
    const TSurface Target = MakeSurface(Size.Width, Size.Height, BackgroundSeed, OpaquePixel);
    return [Pieces, Target] {
      for (const TScenePiece& Piece : Pieces)
        DrawPiece(Piece, *Target);
    };
  };
}

// The skins must outlive the benchmarks: the pieces point into their bitmaps.
void RegisterSkinScenes(std::vector<std::unique_ptr<TSeSkinSource>>& Skins) {
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
        const bool IsMemcpy = std::string(Mode.Reference) == "memcpy";
        RegisterTurns(Name, {{"ours", DrawScene(Pieces, Size)},
                             {Mode.Reference, IsMemcpy ? MemcpyFrame(Size.Width, Size.Height)
                                                       : PixmanOver(Size.Width, Size.Height)}});
        Ratios.push_back({std::string("real_") + File.Name + "_" + Mode.Name + "_" + Size.Name +
                              "_vs_" + Mode.Reference,
                          Name + ":ours", Name + ":" + Mode.Reference,
                          Covered / (static_cast<double>(Size.Width) * Size.Height)});
      }
    }
  }
}

} // namespace

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
  RegisterFullHd();
  std::vector<std::unique_ptr<TSeSkinSource>> Skins;
  RegisterSkinScenes(Skins);
  TRatioReporter Reporter;
  benchmark::RunSpecifiedBenchmarks(&Reporter);
  Reporter.PrintRatios(std::cout, Ratios);
  benchmark::Shutdown();
  return 0;
}
