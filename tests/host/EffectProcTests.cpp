// The built-in transition procedures: mask primitives, value rules, registration, random
// repeatability, bounds, final frames, and the committed reference frames.

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "gfx/Animation.h"
#include "gfx/Bitmap.h"
#include "gfx/EffectProcs.h"
#include "tools/effectgolden/EffectGolden.h"

#ifndef MIREVAN_GOLDEN_DIR
#define MIREVAN_GOLDEN_DIR "tests/golden/effects"
#endif

namespace {

// Cells set in a mask as text rows: '#' for Value, '.' for 0, '?' for anything else.
std::vector<std::string> Picture(const std::vector<uint8_t>& Mask, int W, int H,
                                 uint8_t Value = 255) {
  std::vector<std::string> Rows;
  for (int Y = 0; Y < H; ++Y) {
    std::string Row;
    for (int X = 0; X < W; ++X) {
      const uint8_t V = Mask[Y * W + X];
      Row += V == Value ? '#' : (V == 0 ? '.' : '?');
    }
    Rows.push_back(Row);
  }
  return Rows;
}

std::vector<uint8_t> MaskOf(TseFadeProc Proc, int W, int H, int P) {
  std::vector<uint8_t> Mask(static_cast<size_t>(W) * H, 0);
  Proc(Mask.data(), W, H, P);
  return Mask;
}

const TseBuiltInEffect& Effect(const std::string& Name) {
  for (const TseBuiltInEffect& E : BuiltInEffects())
    if (Name == E.Name)
      return E;
  throw std::runtime_error("no effect " + Name);
}

TseFadeProc FadeOf(const std::string& Name) { return Effect(Name).Fade; }

} // namespace

// ---- Mask primitives ----

TEST(MaskPrimitives, LinesSetTheCellsOfTheStepRule) {
  std::vector<uint8_t> M(6 * 4, 0);
  MaskLine(M.data(), 6, 4, 0, 0, 4, 2, 255);
  EXPECT_EQ(Picture(M, 6, 4), (std::vector<std::string>{"##....", "..##..", "....#.", "......"}));

  // Reversed: the steps run from the other end, so the cells differ, but the end is reached.
  std::fill(M.begin(), M.end(), 0);
  MaskLine(M.data(), 6, 4, 4, 2, 0, 0, 255);
  EXPECT_EQ(Picture(M, 6, 4), (std::vector<std::string>{"#.....", ".##...", "...##.", "......"}));

  // Steep: the minor axis moves once its accumulator exceeds the major length.
  std::fill(M.begin(), M.end(), 0);
  MaskLine(M.data(), 6, 4, 0, 0, 1, 3, 255);
  EXPECT_EQ(Picture(M, 6, 4), (std::vector<std::string>{"#.....", "#.....", "#.....", ".#...."}));

  // A single point, and a line clipped on both sides.
  std::fill(M.begin(), M.end(), 0);
  MaskLine(M.data(), 6, 4, 2, 1, 2, 1, 7);
  MaskLine(M.data(), 6, 4, -3, 3, 9, 3, 255);
  EXPECT_EQ(Picture(M, 6, 4), (std::vector<std::string>{"......", "..?...", "......", "######"}));
  EXPECT_EQ(M[1 * 6 + 2], 7);
}

TEST(MaskPrimitives, CirclesPlotTwoCellThickRingsAndRadiiFillADisc) {
  std::vector<uint8_t> M(7 * 7, 0);
  MaskCircle(M.data(), 7, 7, 3, 3, 0, 255);
  EXPECT_EQ(Picture(M, 7, 7)[3], "..###..");
  EXPECT_EQ(std::count(M.begin(), M.end(), 255), 3);

  std::fill(M.begin(), M.end(), 0);
  MaskCircle(M.data(), 7, 7, 3, 3, 1, 255);
  EXPECT_EQ(Picture(M, 7, 7), (std::vector<std::string>{".......", ".......", "..###..", ".##.##.",
                                                        "..###..", ".......", "......."}));

  // Radii 0..R drawn in turn leave no hole within distance R of the centre.
  const int N = 21, C = 10, R = 8;
  std::vector<uint8_t> Disc(N * N, 0);
  for (int K = 0; K <= R; ++K)
    MaskCircle(Disc.data(), N, N, C, C, K, 255);
  for (int Y = 0; Y < N; ++Y) {
    for (int X = 0; X < N; ++X) {
      if ((X - C) * (X - C) + (Y - C) * (Y - C) <= R * R) {
        EXPECT_EQ(Disc[Y * N + X], 255) << X << "," << Y;
      }
    }
  }
  // And nothing beyond the outermost ring's outer cells.
  for (int Y = 0; Y < N; ++Y) {
    for (int X = 0; X < N; ++X) {
      if ((X - C) * (X - C) + (Y - C) * (Y - C) > (R + 2) * (R + 2)) {
        EXPECT_EQ(Disc[Y * N + X], 0) << X << "," << Y;
      }
    }
  }
}

TEST(MaskPrimitives, NeverWriteOutsideTheMask) {
  const int W = 5, H = 4, Guard = 32;
  std::vector<uint8_t> Buffer(Guard + W * H + Guard, 0xA5);
  uint8_t* M = Buffer.data() + Guard;
  std::fill_n(M, W * H, 0);
  MaskLine(M, W, H, -20, -7, 30, 15, 255);
  MaskLine(M, W, H, 10, -3, -10, 8, 255);
  for (int R = 0; R < 12; ++R) {
    MaskCircle(M, W, H, 0, H - 1, R, 255);
    MaskCircle(M, W, H, W - 1, 0, R, 255);
  }
  for (int I = 0; I < Guard; ++I) {
    EXPECT_EQ(Buffer[I], 0xA5);
    EXPECT_EQ(Buffer[Guard + W * H + I], 0xA5);
  }
}

// ---- Registration ----

TEST(BuiltInEffects, RegisteredInTableOrderWithTheirNames) {
  const std::vector<std::string> Expected = {"SmoothDiagonal",
                                             "SmoothDiagonalIn",
                                             "SmoothDiagonalOut",
                                             "SmoothDown",
                                             "SmoothIn",
                                             "SmoothOut",
                                             "SmoothCrossOut",
                                             "SmoothCrossIn",
                                             "SmoothRectIn",
                                             "SmoothRectOut",
                                             "SlideDiagonal",
                                             "SlideDiagonalIn",
                                             "SlideDiagonalOut",
                                             "SlideDown",
                                             "SlideIn",
                                             "SlideOut",
                                             "SlideCrossOut",
                                             "SlideCrossIn",
                                             "SlideRectOut",
                                             "SlideRectIn",
                                             "Fade",
                                             "FadeDiagonal",
                                             "FadeDiagonalIn",
                                             "FadeDiagonalOut",
                                             "FadeDown",
                                             "FadeIn",
                                             "FadeOut",
                                             "FadeCrossOut",
                                             "FadeCrossIn",
                                             "FadeRectOut",
                                             "FadeRectIn",
                                             "Pixel",
                                             "Pixel fade",
                                             "Pixel line",
                                             "CircleSlideOut",
                                             "CircleFadeOut",
                                             "CircleSmoothOut",
                                             "CircleSlideIn",
                                             "CircleFadeIn",
                                             "CircleSmoothIn",
                                             "CircleSlide",
                                             "CircleFade",
                                             "CircleSmooth",
                                             "DiamondSlideIn",
                                             "DiamondFadeIn",
                                             "DiamondSmoothIn",
                                             "DiamondSlideOut",
                                             "DiamondFadeOut",
                                             "DiamondSmoothOut",
                                             "RotateSlide",
                                             "RotateFade",
                                             "RotateSmooth",
                                             "Stream",
                                             "Plasma",
                                             "Interlace",
                                             "Corner",
                                             "Slide",
                                             "Push"};
  ASSERT_EQ(Expected.size(), 58u);
  const TseProcList& List = EffectProcs();
  ASSERT_EQ(List.Count(), 58);
  std::set<const void*> Procs;
  for (int I = 0; I < 58; ++I) {
    const TseProcItem& Item = List.Items(I);
    const TseProcKind Kind = I < 54 ? pkFade : (I < 56 ? pkSlide : pkManual);
    const char* Prefix =
        Kind == pkFade ? "[ FADE ] - " : (Kind == pkSlide ? "[ SLIDE ] - " : "[ MANUAL ] - ");
    EXPECT_EQ(Item.Name, Prefix + Expected[I]);
    EXPECT_EQ(Item.Kind, Kind) << Expected[I];
    EXPECT_EQ(BuiltInEffects()[I].Name, Expected[I]);
    EXPECT_EQ(Item.Fade, BuiltInEffects()[I].Fade);
    EXPECT_EQ(Item.Slide, BuiltInEffects()[I].Slide);
    EXPECT_EQ(Item.Manual, BuiltInEffects()[I].Manual);
    EXPECT_TRUE(Item.HasProc());
    Procs.insert(Item.Fade    ? reinterpret_cast<const void*>(Item.Fade)
                 : Item.Slide ? reinterpret_cast<const void*>(Item.Slide)
                              : reinterpret_cast<const void*>(Item.Manual));
  }
  EXPECT_EQ(Procs.size(), 58u); // every procedure distinct
  EXPECT_EQ(EffectNames().size(), 60u);
}

// ---- Value rules ----

TEST(ValueRules, SlideFadeAndSmoothFamiliesAtZeroHalfAndFull) {
  const int W = 10, H = 9;
  // Slide: rows 0..MulDiv(P, H - 1, 100) become 255.
  const auto Slide0 = MaskOf(FadeOf("SlideDown"), W, H, 0);
  EXPECT_EQ(std::count(Slide0.begin(), Slide0.end(), 0), W * H);
  const auto Slide50 = MaskOf(FadeOf("SlideDown"), W, H, 50);
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X)
      EXPECT_EQ(Slide50[Y * W + X], Y <= 4 ? 255 : 0) << X << "," << Y;
  const auto Slide100 = MaskOf(FadeOf("SlideDown"), W, H, 100);
  EXPECT_EQ(std::count(Slide100.begin(), Slide100.end(), 255), W * H);

  // Fade: the same rows with MulDiv(P, 255, 100) (127.5 rounds away from zero).
  const auto Fade50 = MaskOf(FadeOf("FadeDown"), W, H, 50);
  for (int Y = 0; Y < H; ++Y)
    EXPECT_EQ(Fade50[Y * W], Y <= 4 ? 128 : 0) << Y;
  const auto Fade0 = MaskOf(FadeOf("FadeDown"), W, H, 0);
  EXPECT_EQ(std::count(Fade0.begin(), Fade0.end(), 0), W * H);
  const auto Fade100 = MaskOf(FadeOf("FadeDown"), W, H, 100);
  EXPECT_EQ(std::count(Fade100.begin(), Fade100.end(), 255), W * H);
  // The plain cross-fade: Round(P / 100 * 255) everywhere.
  const auto Cross40 = MaskOf(FadeOf("Fade"), W, H, 40);
  EXPECT_EQ(std::count(Cross40.begin(), Cross40.end(), 102), W * H);
  const auto Cross50 = MaskOf(FadeOf("Fade"), W, H, 50);
  EXPECT_EQ(std::count(Cross50.begin(), Cross50.end(), 128), W * H); // 127.5 to even

  // Smooth: n = MulDiv(15, 50, 100) = 8; row k gets MulDiv(Round(100 - k * 12.5), 255, 100)
  // with halves of the inner rounding going to even.
  const int SH = 10;
  const auto Smooth50 = MaskOf(FadeOf("SmoothDown"), 4, SH, 50);
  const int Rows[SH] = {255, 224, 191, 158, 128, 97, 64, 31, 0, 0};
  for (int Y = 0; Y < SH; ++Y)
    for (int X = 0; X < 4; ++X)
      EXPECT_EQ(Smooth50[Y * 4 + X], Rows[Y]) << Y;
  // Values above 255 saturate; at 100 % everything is 255; at 0 % nothing is drawn.
  const auto Smooth75 = MaskOf(FadeOf("SmoothDown"), 4, SH, 75);
  EXPECT_EQ(Smooth75[0], 255);
  EXPECT_EQ(Smooth75[4], 255); // MulDiv(Round(150 - 150/11), 255, 100) > 255
  const auto Smooth100 = MaskOf(FadeOf("SmoothDown"), 4, SH, 100);
  EXPECT_EQ(std::count(Smooth100.begin(), Smooth100.end(), 255), 4 * SH);
  const auto Smooth0 = MaskOf(FadeOf("SmoothDown"), 4, SH, 0);
  EXPECT_EQ(std::count(Smooth0.begin(), Smooth0.end(), 0), 4 * SH);
}

TEST(ValueRules, ZeroPercentDrawsOnlyForTheCircleFamilyStreamAndPlasma) {
  const std::set<std::string> DrawAtZero = {"CircleSlideOut", "CircleFadeOut", "CircleSlideIn",
                                            "CircleFadeIn",   "CircleSlide",   "CircleFade",
                                            "Stream",         "Plasma"};
  for (const TseBuiltInEffect& E : BuiltInEffects()) {
    if (E.Kind != pkFade || DrawAtZero.count(E.Name))
      continue;
    const auto M = MaskOf(E.Fade, 37, 23, 0);
    EXPECT_EQ(std::count(M.begin(), M.end(), 0), 37 * 23) << E.Name;
  }
  // The slide circles show their 0 % shape: the centre cell and its neighbours.
  const auto Circle = MaskOf(FadeOf("CircleSlideOut"), 9, 9, 0);
  EXPECT_EQ(Picture(Circle, 9, 9)[4], "...###...");
  EXPECT_EQ(std::count(Circle.begin(), Circle.end(), 255), 3);
}

TEST(ValueRules, InVariantsAreTheirTwinsTurnedAtTheOppositePercentage) {
  struct Pair {
    const char* In;
    const char* Out;
    char Rule; // 'S' slide, 'F' fade, 'M' smooth
  };
  const Pair Pairs[] = {
      {"SmoothCrossIn", "SmoothCrossOut", 'M'},   {"SmoothRectIn", "SmoothRectOut", 'M'},
      {"SlideCrossIn", "SlideCrossOut", 'S'},     {"SlideRectIn", "SlideRectOut", 'S'},
      {"FadeCrossIn", "FadeCrossOut", 'F'},       {"FadeRectIn", "FadeRectOut", 'F'},
      {"CircleSmoothIn", "CircleSmoothOut", 'M'}, {"DiamondSlideIn", "DiamondSlideOut", 'S'},
      {"DiamondFadeIn", "DiamondFadeOut", 'F'},   {"DiamondSmoothIn", "DiamondSmoothOut", 'M'}};
  const int W = 37, H = 23;
  for (const Pair& Pr : Pairs) {
    for (int P : {1, 10, 25, 50, 63, 75, 99, 100}) {
      const auto In = MaskOf(FadeOf(Pr.In), W, H, P);
      const auto Out = MaskOf(FadeOf(Pr.Out), W, H, 100 - P);
      const uint8_t FadeVal = static_cast<uint8_t>(MulDivRound(P, 255, 100));
      int Partial = 0;
      for (int I = 0; I < W * H; ++I) {
        uint8_t Want;
        if (Pr.Rule == 'S')
          Want = Out[I] ? 0 : 255;
        else if (Pr.Rule == 'F')
          Want = Out[I] ? 0 : FadeVal;
        else
          Want = static_cast<uint8_t>(255 - Out[I]);
        if (In[I] != Want)
          ++Partial;
      }
      EXPECT_EQ(Partial, 0) << Pr.In << " at " << P;
      if (P == 100) {
        EXPECT_EQ(std::count(In.begin(), In.end(), 255), W * H) << Pr.In;
      }
    }
  }
}

// ---- Random effects ----

TEST(RandomEffects, RepeatForTheSameSizeAndPercentageAndOnlyGrow) {
  for (const char* Name : {"Pixel", "Pixel fade", "Pixel line", "Stream"}) {
    for (int P : {1, 30, 60, 99}) {
      RandomSeed() = 1;
      const auto A = MaskOf(FadeOf(Name), 37, 23, P);
      RandomSeed() = 0xDEADBEEF;
      (void)RandomNumber(1000);
      const auto B = MaskOf(FadeOf(Name), 37, 23, P);
      EXPECT_EQ(A, B) << Name << " at " << P;
    }
    RandomSeed() = 7;
    const auto Low = MaskOf(FadeOf(Name), 40, 30, 30);
    const auto High = MaskOf(FadeOf(Name), 40, 30, 70);
    int Lost = 0;
    for (size_t I = 0; I < Low.size(); ++I)
      if (Low[I] != 0 && High[I] == 0)
        ++Lost;
    EXPECT_EQ(Lost, 0) << Name;
    EXPECT_GT(std::count_if(High.begin(), High.end(), [](uint8_t V) { return V != 0; }),
              std::count_if(Low.begin(), Low.end(), [](uint8_t V) { return V != 0; }))
        << Name;
  }
  // "Pixel" sets exactly Round(W * H * P / 100) cells: 37 * 23 * 50 / 100 = 425.5 -> 426.
  const auto Half = MaskOf(FadeOf("Pixel"), 37, 23, 50);
  EXPECT_EQ(std::count(Half.begin(), Half.end(), 255), 426);
  EXPECT_EQ(std::count(Half.begin(), Half.end(), 0), 37 * 23 - 426);
  const auto Fifty = MaskOf(FadeOf("Pixel fade"), 37, 23, 50);
  EXPECT_EQ(std::count(Fifty.begin(), Fifty.end(), 128), 426);
  // Same size, same cells: the fade variant marks the cells "Pixel" marks.
  for (size_t I = 0; I < Half.size(); ++I)
    ASSERT_EQ(Half[I] != 0, Fifty[I] != 0) << I;
}

TEST(RandomEffects, PixelLineLimitsColumnsAndFadesAcrossThem) {
  const int W = 40, H = 30, P = 10;
  const auto M = MaskOf(FadeOf("Pixel line"), W, H, P);
  const int Columns = static_cast<int>(std::nearbyint(P / 100.0 * (2 * W - 1))) + 1; // 9
  for (int Y = 0; Y < H; ++Y)
    for (int X = Columns; X < W; ++X)
      ASSERT_EQ(M[Y * W + X], 0) << X << "," << Y;
  // Column 0 cells get Round(20 / 100 * 255) = 51; column 8: Round(20 - 32/10) = 17 -> 43.
  for (int Y = 0; Y < H; ++Y) {
    EXPECT_TRUE(M[Y * W] == 0 || M[Y * W] == 51) << Y;
    EXPECT_TRUE(M[Y * W + 8] == 0 || M[Y * W + 8] == 43) << Y;
  }
}

// ---- Bounds and final frames ----

TEST(AllEffects, NeverWriteOutsideTheirGrid) {
  const int Guard = 48;
  const std::pair<int, int> Sizes[] = {{1, 1}, {1, 7}, {7, 1}, {2, 3}, {5, 40}, {37, 23}, {64, 64}};
  for (const TseBuiltInEffect& E : BuiltInEffects()) {
    if (E.Kind == pkManual)
      continue;
    for (auto [W, H] : Sizes) {
      for (int P : {0, 1, 25, 50, 75, 99, 100}) {
        if (E.Kind == pkFade) {
          std::vector<uint8_t> Buffer(Guard + W * H + Guard, 0xA5);
          std::fill_n(Buffer.begin() + Guard, W * H, 0);
          E.Fade(Buffer.data() + Guard, W, H, P);
          for (int I = 0; I < Guard; ++I) {
            ASSERT_EQ(Buffer[I], 0xA5) << E.Name << " " << W << "x" << H << " " << P;
            ASSERT_EQ(Buffer[Guard + W * H + I], 0xA5)
                << E.Name << " " << W << "x" << H << " " << P;
          }
        } else {
          const TseSlideCell Mark{0xA5, 0x5A, 0x1234, -0x1234};
          std::vector<TseSlideCell> Buffer(Guard + W * H + Guard, Mark);
          std::fill_n(Buffer.begin() + Guard, W * H, TseSlideCell{0, 0, 0, 0});
          E.Slide(Buffer.data() + Guard, W, H, P);
          for (int I = 0; I < Guard; ++I) {
            for (const TseSlideCell& C : {Buffer[I], Buffer[Guard + W * H + I]}) {
              ASSERT_EQ(C.Alpha, Mark.Alpha) << E.Name;
              ASSERT_EQ(C.SourceX, Mark.SourceX) << E.Name;
              ASSERT_EQ(C.SourceY, Mark.SourceY) << E.Name;
            }
          }
        }
      }
    }
  }
}

TEST(AllEffects, FadeProceduresEndFullyOpaqueOnOddGrids) {
  // Every FADE effect ends at 100 % with the whole mask at 255: the In variants because their
  // twins draw nothing at 0 %, the smooth ones because 100 % is 255 everywhere they reach,
  // the slide and fade shapes because their sizes reach the edges and corners at 100 %.
  const std::pair<int, int> Sizes[] = {{37, 23}, {23, 37}, {41, 41}, {3, 5}};
  for (auto [W, H] : Sizes) {
    std::string Short;
    for (const TseBuiltInEffect& E : BuiltInEffects()) {
      if (E.Kind != pkFade)
        continue;
      const auto M = MaskOf(E.Fade, W, H, 100);
      const auto Full = std::count(M.begin(), M.end(), 255);
      if (Full != W * H)
        Short += std::string(E.Name) + "(" + std::to_string(W * H - Full) + ") ";
    }
    EXPECT_EQ(Short, "") << W << "x" << H << ": effects short of 255";
  }
}

// ---- SLIDE ----

TEST(SlideEffects, InterlaceAndCornerCells) {
  const int W = 10, H = 4;
  std::vector<TseSlideCell> C(W * H, TseSlideCell{0, 0, 0, 0});
  Effect("Interlace").Slide(C.data(), W, H, 50);
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X) {
      const TseSlideCell& Cell = C[Y * W + X];
      EXPECT_EQ(Cell.Alpha, 255);
      EXPECT_EQ(Cell.SourceX, Y % 2 == 0 ? X + 5 : X - 5);
      EXPECT_EQ(Cell.SourceY, Y);
    }
  std::fill(C.begin(), C.end(), TseSlideCell{0, 0, 0, 0});
  Effect("Interlace").Slide(C.data(), W, H, 100);
  for (int I = 0; I < W * H; ++I) {
    EXPECT_EQ(C[I].SourceX, I % W);
    EXPECT_EQ(C[I].SourceY, I / W);
  }

  // Corner: nothing at 0 %; at 50 % on 11 x 7 the top-left 6 x 4 cells show the new
  // image's bottom-right 6 x 4 cells; at 100 % every cell shows its own.
  const int CW = 11, CH = 7;
  std::vector<TseSlideCell> K(CW * CH, TseSlideCell{0, 0, 0, 0});
  Effect("Corner").Slide(K.data(), CW, CH, 0);
  EXPECT_TRUE(
      std::all_of(K.begin(), K.end(), [](const TseSlideCell& Cell) { return Cell.Alpha == 0; }));
  Effect("Corner").Slide(K.data(), CW, CH, 50);
  for (int Y = 0; Y < CH; ++Y)
    for (int X = 0; X < CW; ++X) {
      const TseSlideCell& Cell = K[Y * CW + X];
      if (X <= 5 && Y <= 3) {
        EXPECT_EQ(Cell.Alpha, 255);
        EXPECT_EQ(Cell.SourceX, 5 + X);
        EXPECT_EQ(Cell.SourceY, 3 + Y);
      } else {
        EXPECT_EQ(Cell.Alpha, 0) << X << "," << Y;
      }
    }
  std::fill(K.begin(), K.end(), TseSlideCell{0, 0, 0, 0});
  Effect("Corner").Slide(K.data(), CW, CH, 100);
  for (int I = 0; I < CW * CH; ++I) {
    EXPECT_EQ(K[I].Alpha, 255);
    EXPECT_EQ(K[I].SourceX, I % CW);
    EXPECT_EQ(K[I].SourceY, I / CW);
  }
}

// ---- MANUAL ----

namespace {

// Old pixels 0x01000000 + index, new ones 0x02000000 + index, all opaque-ish markers.
void Fill(TseBitmap& B, int W, int H, uint32_t Base) {
  B.SetSize(W, H);
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X)
      *B.PixelPtr(X, Y) = 0xFF000000u | Base | static_cast<uint32_t>(Y * W + X);
}

// The source column (or row) an unscaled DrawTo at Offset shows at target position X: a
// destination clipped on the left or top starts its 16.16 accumulator at
// clipped * 65535, one source pixel short.
int SourceOf(int X, int Offset) { return Offset < 0 ? X - Offset - 1 : X - Offset; }

} // namespace

TEST(ManualEffects, SlideAndPushMoveThePicturesByTheirDistance) {
  const int W = 4, H = 2;
  const uint32_t Old = 0x100000, New = 0x200000;
  struct Case {
    TseRotation Rotation;
    int Percent;
    int NewX, NewY, OldX, OldY;
  };
  // d = MulDiv(size, P, 100) along the rotation's axis.
  const Case Cases[] = {{qrNone, 50, -2, 0, 2, 0},
                        {qrRotate180, 50, 2, 0, -2, 0},
                        {qrRotate90, 50, 0, 1, 0, -1},
                        {qrRotate270, 50, 0, -1, 0, 1},
                        {qrNone, 25, -3, 0, 1, 0}};
  for (const Case& C : Cases) {
    for (bool Push : {false, true}) {
      TseBitmap Target, Image;
      Fill(Target, W, H, Old);
      Fill(Image, W, H, New);
      TseAnimationRec Settings;
      Settings.SetRotation(C.Rotation);
      Effect(Push ? "Push" : "Slide").Manual(Target, Image, Settings, C.Percent);
      for (int Y = 0; Y < H; ++Y)
        for (int X = 0; X < W; ++X) {
          const int NX = SourceOf(X, C.NewX), NY = SourceOf(Y, C.NewY);
          const int OX = SourceOf(X, C.OldX), OY = SourceOf(Y, C.OldY);
          uint32_t Want;
          if (X >= C.NewX && X < C.NewX + W && Y >= C.NewY && Y < C.NewY + H)
            Want = 0xFF000000u | New | static_cast<uint32_t>(NY * W + NX);
          else if (!Push)
            Want = 0xFF000000u | Old | static_cast<uint32_t>(Y * W + X);
          else
            Want = 0xFF000000u | Old | static_cast<uint32_t>(OY * W + OX);
          EXPECT_EQ(*Target.PixelPtr(X, Y), Want) << (Push ? "Push" : "Slide") << " rotation "
                                                  << int(C.Rotation) << " at " << X << "," << Y;
        }
    }
  }
}

// ---- Reference frames ----

TEST(GoldenFrames, MatchTheCommittedFilesByteForByte) {
  int Compared = 0;
  for (const TseBuiltInEffect& E : BuiltInEffects()) {
    if (E.Kind == pkManual)
      continue;
    const std::string Path = std::string(MIREVAN_GOLDEN_DIR) + "/" + effectgolden::FileName(E);
    std::ifstream File(Path, std::ios::binary);
    ASSERT_TRUE(File) << "missing " << Path;
    const std::vector<uint8_t> Committed((std::istreambuf_iterator<char>(File)),
                                         std::istreambuf_iterator<char>());
    const std::vector<uint8_t> Now = effectgolden::Encode(E);
    EXPECT_TRUE(Committed == Now) << E.Name << ": frames differ from " << Path;
    ++Compared;
  }
  EXPECT_EQ(Compared, 56);
}
