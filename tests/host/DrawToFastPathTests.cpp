// DrawTo against a plain per-pixel drawing of the same formulas: every shortcut (whole
// vectors of holes or of opaque pixels, runs of an enlargement, the exact halving, rows
// gathered once, 24-bit targets) must give the same bits, on made-up pictures and on the
// skins' own. Tiling, a row at a time, against one DrawTo per copy.

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <vector>

#include "gfx/Bitmap.h"
#include "skin/SkinSource.h"
#include "toolkit/FileStreams.h"

#ifndef MIREVAN_BUILTIN_SKIN
#define MIREVAN_BUILTIN_SKIN "skin/BuiltInSkin.bin"
#endif
#ifndef MIREVAN_DARK_SKIN
#define MIREVAN_DARK_SKIN "bin/MidnightEmber.qzkn"
#endif

namespace {

// One pixel of Source over the target's pixel, as the flags say.
uint32_t Mixed(const TseBitmap& Source, TsePixel Pixel, uint32_t Under) {
  if (Source.AlphaBlend)
    return BlendPixel(Pixel, Under);
  return Source.Transparent && IsKeyColored(Pixel) ? Under : Pixel;
}

// Column by column, row by row, from the sampling alone.
void ReferenceDraw(const TseBitmap& Source, TRect Dst, TRect Src, const TPixelTarget& Target) {
  const TRect Part = IntersectRect(Src, Source.BoundsRect());
  const TRect Visible = IntersectRect(Dst, {0, 0, Target.Width, Target.Height});
  if (Source.Empty() || Part.IsEmpty() || Dst.IsEmpty() || Visible.IsEmpty())
    return;
  const TSampling S = MakeSampling(Part, Dst, Visible);
  for (int32_t Y = Visible.Top; Y < Visible.Bottom; ++Y) {
    const int64_t AccY = S.StartY + int64_t{Y - Visible.Top} * S.StepY;
    const int32_t SY =
        Part.Top + static_cast<int32_t>(std::min<int64_t>(AccY >> 16, Part.Height() - 1));
    uint8_t* Row = Target.Bits + (Target.Height - 1 - Y) * Target.Stride;
    for (int32_t X = Visible.Left; X < Visible.Right; ++X) {
      const int64_t AccX = S.StartX + int64_t{X - Visible.Left} * S.StepX;
      if (S.StepX == 65536 && Part.Left + (AccX >> 16) >= Part.Right)
        break; // 1:1 columns stop at the source's edge
      const int32_t SX =
          Part.Left + static_cast<int32_t>(std::min<int64_t>(AccX >> 16, Part.Width() - 1));
      const TsePixel Pixel = *Source.PixelPtr(SX, SY);
      if (Target.BitsPerPixel == 32) {
        auto* P = reinterpret_cast<TsePixel*>(Row) + X;
        *P = Mixed(Source, Pixel, *P);
      } else {
        uint8_t* P = Row + X * 3;
        const uint32_t Out = Mixed(Source, Pixel, P[0] | P[1] << 8 | P[2] << 16);
        P[0] = static_cast<uint8_t>(Out);
        P[1] = static_cast<uint8_t>(Out >> 8);
        P[2] = static_cast<uint8_t>(Out >> 16);
      }
    }
  }
}

struct TTargetBuffer {
  TTargetBuffer(int32_t W, int32_t H, int32_t Bits, uint32_t Seed)
      : Stride((W * Bits / 8 + 3) & ~3), Bytes(static_cast<size_t>(Stride) * H) {
    std::mt19937 Random(Seed);
    for (uint8_t& B : Bytes)
      B = static_cast<uint8_t>(Random());
    Target = {Bytes.data(), W, H, Stride, Bits};
  }
  int64_t Stride;
  std::vector<uint8_t> Bytes;
  TPixelTarget Target;
};

// Each drawing of Source both ways onto equal random targets of both depths.
void ExpectSameAsReference(const TseBitmap& Source, const TRect& Dst, const TRect& Src,
                           const char* What) {
  for (int32_t Bits : {32, 24}) {
    TTargetBuffer Expected(61, 47, Bits, 7), Actual(61, 47, Bits, 7);
    ReferenceDraw(Source, Dst, Src, Expected.Target);
    DrawInto(Source, Dst, Src, Actual.Target);
    ASSERT_EQ(Actual.Bytes, Expected.Bytes)
        << What << " " << Bits << "-bit, alpha " << Source.AlphaBlend << " key "
        << Source.Transparent << " dst " << Dst.Left << "," << Dst.Top << "," << Dst.Right << ","
        << Dst.Bottom << " src " << Src.Left << "," << Src.Top << "," << Src.Right << ","
        << Src.Bottom;
  }
}

// Destinations that enlarge, halve exactly, shrink by whole and odd ratios, copy, and run
// past any edge, for a source part of the given size.
std::vector<TRect> Destinations(const TRect& Src, std::mt19937& Random) {
  const int32_t W = Src.Width(), H = Src.Height();
  std::vector<TRect> Out = {{0, 0, W, H},
                            {3, 2, 3 + W / 2, 2 + H / 2},
                            {-5, -3, 56, 44},
                            {1, 1, 1 + W / 3 + 1, 1 + H / 3 + 1},
                            {10, 5, 10 + 2 * W, 5 + 3 * H},
                            {-W / 2, 20, W / 2, 20 + 7},
                            {40, 30, 40 + W, 30 + H}};
  for (int I = 0; I < 6; ++I) {
    const int32_t L = static_cast<int32_t>(Random() % 80) - 20,
                  T = static_cast<int32_t>(Random() % 60) - 10;
    Out.push_back({L, T, L + 1 + static_cast<int32_t>(Random() % 90),
                   T + 1 + static_cast<int32_t>(Random() % 70)});
  }
  return Out;
}

void CheckEveryMode(TseBitmap& Source, const TRect& Src, std::mt19937& Random, const char* What) {
  for (const TRect& Dst : Destinations(Src, Random))
    for (int Mode = 0; Mode < 3; ++Mode) {
      Source.AlphaBlend = Mode == 1;
      Source.Transparent = Mode == 2;
      ExpectSameAsReference(Source, Dst, Src, What);
      if (::testing::Test::HasFatalFailure())
        return;
    }
}

// Runs of one kind of pixel, long and short: whole vectors of holes, of opaque and of
// transparent pixels next to mixed ones.
void FillInRuns(TseBitmap& Bitmap, std::mt19937& Random, uint32_t MaxRun) {
  TsePixel* P = Bitmap.Bits();
  const size_t Count = static_cast<size_t>(Bitmap.Width()) * Bitmap.Height();
  for (size_t I = 0; I < Count;) {
    const size_t End = std::min<size_t>(Count, I + 1 + Random() % MaxRun);
    const uint32_t Kind = Random() % 4;
    for (; I < End; ++I) {
      const TsePixel Colour = Random() & 0xFFFFFF;
      P[I] = Kind == 0   ? KeyColor | (Random() & 0xFF000000)
             : Kind == 1 ? 0xFF000000 | Colour
             : Kind == 2 ? Colour
                         : (Random() & 0xFF000000) | Colour;
    }
  }
}

// One draw per copy, column by column, as tiling always went.
void DrawEachCopy(const TseBitmap& Source, TRect Dst, TRect Src, const TPixelTarget& Target) {
  for (int32_t Left = Dst.Left; Left < Dst.Right; Left += Src.Width())
    for (int32_t Top = Dst.Top; Top < Dst.Bottom; Top += Src.Height()) {
      const TRect Piece = IntersectRect({Left, Top, Left + Src.Width(), Top + Src.Height()}, Dst);
      DrawInto(Source, Piece,
               {Src.Left, Src.Top, Src.Left + Piece.Width(), Src.Top + Piece.Height()}, Target);
    }
}

// Tiling each part of Source over areas cut by every edge of the target, copies cut by the
// area's own right and bottom, in each mode and at both depths.
void ExpectTilingAsEachCopy(TseBitmap& Source, const std::vector<TRect>& Parts,
                            std::mt19937& Random, const char* What) {
  for (const TRect& Src : Parts) {
    std::vector<TRect> Areas = {{0, 0, 61, 47}, {-1, -1, 60, 46}, {-7, -5, 70, 50},
                                {5, 3, 6, 40},  {2, 9, 59, 10},   {-200, -150, 1, 1}};
    for (int I = 0; I < 6; ++I) {
      const int32_t L = static_cast<int32_t>(Random() % 90) - 30,
                    T = static_cast<int32_t>(Random() % 70) - 20;
      Areas.push_back({L, T, L + 1 + static_cast<int32_t>(Random() % 100),
                       T + 1 + static_cast<int32_t>(Random() % 80)});
    }
    for (const TRect& Dst : Areas)
      for (int Mode = 0; Mode < 3; ++Mode)
        for (int32_t Bits : {32, 24}) {
          Source.AlphaBlend = Mode == 1;
          Source.Transparent = Mode == 2;
          TTargetBuffer Expected(61, 47, Bits, 9), Actual(61, 47, Bits, 9);
          DrawEachCopy(Source, Dst, Src, Expected.Target);
          TileInto(Source, Dst, Src, Actual.Target);
          ASSERT_EQ(Actual.Bytes, Expected.Bytes)
              << What << " " << Bits << "-bit, alpha " << Source.AlphaBlend << " key "
              << Source.Transparent << " dst " << Dst.Left << "," << Dst.Top << "," << Dst.Right
              << "," << Dst.Bottom << " src " << Src.Left << "," << Src.Top << "," << Src.Right
              << "," << Src.Bottom;
        }
  }
}

TEST(DrawToFastPaths, TilingMatchesOneDrawPerCopy) {
  std::mt19937 Random(31);
  TseBitmap Source;
  Source.SetSize(80, 37);
  FillInRuns(Source, Random, 6);
  // Narrow parts laid into a row first, wide ones drawn copy by copy, a part wider than the
  // target, and parts reaching outside the surface (scaled per copy).
  ExpectTilingAsEachCopy(Source,
                         {{0, 0, 1, 1},
                          {3, 2, 6, 9},
                          {10, 4, 27, 5},
                          {0, 0, 63, 30},
                          {5, 1, 69, 36},
                          {0, 0, 80, 37},
                          {-3, -2, 9, 8},
                          {75, 30, 85, 40}},
                         Random, "made up");
  // A surface tiled over itself keeps drawing copy by copy.
  Source.AlphaBlend = Source.Transparent = false;
  Source.SetAlpha(255); // as the copy will have it
  TseBitmap Twin;
  Twin.Assign(Source);
  TileInto(Source, {-3, 2, 70, 33}, {1, 1, 7, 6}, PixelTargetOf(Source));
  DrawEachCopy(Twin, {-3, 2, 70, 33}, {1, 1, 7, 6}, PixelTargetOf(Twin));
  EXPECT_TRUE(std::equal(Source.Bits(), Source.Bits() + 80 * 37, Twin.Bits()));
}

TEST(DrawToFastPaths, MatchThePerPixelDrawingOnMadeUpPictures) {
  std::mt19937 Random(2024);
  for (uint32_t MaxRun : {1u, 6u, 40u}) {
    TseBitmap Source;
    Source.SetSize(50, 37);
    FillInRuns(Source, Random, MaxRun);
    for (const TRect& Src : {Source.BoundsRect(), TRect{3, 2, 45, 30}, TRect{7, 0, 8, 37},
                             TRect{0, 5, 50, 6}, TRect{-4, -4, 20, 20}})
      CheckEveryMode(Source, Src, Random, "made up");
  }
}

TEST(DrawToFastPaths, MatchThePerPixelDrawingAndTileOnSkinPictures) {
  TSeSkinSource Dark;
  Dark.LoadFromFile(MIREVAN_DARK_SKIN);
  TSeSkinSource BuiltIn;
  {
    TFileStream File(MIREVAN_BUILTIN_SKIN, TFileMode::fmOpenRead);
    File.SetPosition(1); // the stored form's kind byte
    BuiltIn.LoadFromStream(File);
  }
  std::mt19937 Random(77);
  int Pictures = 0;
  for (TSeSkinSource* Skin : {&BuiltIn, &Dark})
    for (int I = 0; I < Skin->Bitmaps().Count(); ++I) {
      TseBitmap& Picture = *Skin->Bitmaps().GetBitmap(I);
      if (Picture.Empty())
        continue;
      ++Pictures;
      const bool Alpha = Picture.AlphaBlend, Key = Picture.Transparent;
      const int32_t W = Picture.Width(), H = Picture.Height();
      // The whole picture, a middle band as a framed picture's centre, an edge column.
      for (const TRect& Src : {Picture.BoundsRect(), TRect{W / 4, H / 4, W - W / 4, H - H / 4},
                               TRect{0, 0, std::min(W, 3), H}})
        CheckEveryMode(Picture, Src, Random, Picture.Name.c_str());
      // Tiled as edges and centres are: a column, a row, the middle.
      ExpectTilingAsEachCopy(Picture,
                             {TRect{0, 0, std::min(W, 3), H}, TRect{0, 0, W, std::min(H, 4)},
                              TRect{W / 4, H / 4, W - W / 4, H - H / 4}},
                             Random, Picture.Name.c_str());
      Picture.AlphaBlend = Alpha;
      Picture.Transparent = Key;
    }
  EXPECT_GT(Pictures, 20) << "the skins' pictures did not load";
}

} // namespace
