// The transition player: settings limits, the registry, the generator, and frames composed
// from two real surfaces.

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

#include "gfx/Animation.h"

namespace {

TEST(AnimationRec, DefaultsLimitsAndAssignment) {
  TseAnimationRec Rec;
  EXPECT_FALSE(Rec.Enabled());
  EXPECT_EQ(Rec.Time(), 400);
  EXPECT_EQ(Rec.Resolution(), 1);
  EXPECT_EQ(Rec.TileCount(), 1);
  EXPECT_EQ(Rec.Effect(), "[ RANDOM ] - Random selection");
  EXPECT_EQ(Rec.Rotation(), qrNone);
  Rec.SetTime(10);
  EXPECT_EQ(Rec.Time(), 50);
  Rec.SetTime(9001);
  EXPECT_EQ(Rec.Time(), 9000);
  Rec.SetResolution(0);
  EXPECT_EQ(Rec.Resolution(), 1);
  Rec.SetResolution(11);
  EXPECT_EQ(Rec.Resolution(), 10);
  Rec.SetTileCount(25);
  EXPECT_EQ(Rec.TileCount(), 20);
  Rec.SetTileCount(-3);
  EXPECT_EQ(Rec.TileCount(), 1);

  TseBitmap Map;
  Map.SetSize(2, 2);
  Map.Clear(0xFF102030);
  Rec.SetBitmap(Map);
  Rec.SetEffect("fade");
  Rec.SetRotation(qrRotate270);
  Rec.SetEnabled(true);
  TseAnimationRec Copy;
  Copy.Assign(Rec);
  EXPECT_TRUE(Copy.Enabled());
  EXPECT_EQ(Copy.Time(), 9000);
  EXPECT_EQ(Copy.Resolution(), 10);
  EXPECT_EQ(Copy.TileCount(), 1);
  EXPECT_EQ(Copy.Effect(), "fade");
  EXPECT_EQ(Copy.Rotation(), qrRotate270);
  EXPECT_EQ(Copy.Bitmap().GetPixel(1, 1), 0xFF102030u);
  Map.Clear(0); // the copy holds its own pixels
  EXPECT_EQ(Copy.Bitmap().GetPixel(1, 1), 0xFF102030u);
}

TEST(EffectRegistry, NamesLookupAndDuplicates) {
  ASSERT_EQ(EffectProcs().Count(), 58);
  ASSERT_EQ(EffectNames().size(), 60u);
  EXPECT_EQ(EffectNames()[0], "[ RANDOM ] - Random selection");
  EXPECT_EQ(EffectNames()[1], "[ BITMAP ] - Bitmap Animation");
  EXPECT_EQ(EffectNames()[2], EffectProcs().Items(0).Name);
  const TseProcItem* ByDisplayName = EffectProcs().FindProc("[ FADE ] - Fade");
  ASSERT_NE(ByDisplayName, nullptr);
  EXPECT_EQ(EffectProcs().FindProc("fade"), ByDisplayName);
  EXPECT_EQ(EffectProcs().FindProc("[ fade ] - FADE"), ByDisplayName);
  EXPECT_EQ(EffectProcs().FindProc("Fad"), nullptr);
  try {
    RegisterEffectProc("Again", ByDisplayName->Fade);
    FAIL() << "a procedure was registered twice";
  } catch (const EProcItemError& E) {
    EXPECT_EQ(E.Message(), "Effect procedute Again already exists in list");
  }
  EXPECT_EQ(EffectProcs().Count(), 58);
}

TEST(EffectRegistry, TheGeneratorFollowsItsFormula) {
  RandomSeed() = 0;
  EXPECT_EQ(RandomNumber(100), 0u);
  EXPECT_EQ(RandomSeed(), 1u);
  EXPECT_EQ(RandomNumber(100), 3u);
  EXPECT_EQ(RandomSeed(), 134775814u);
  EXPECT_EQ(RandomNumber(100), 86u);
  EXPECT_EQ(RandomSeed(), 3698175007u);
  RandomSeed() = 12345;
  EXPECT_EQ(RandomNumber(58), 22u);
}

// Two distinct pictures of the same size.
struct Pictures {
  Pictures(int W, int H) {
    New.SetSize(W, H);
    Old.SetSize(W, H);
    for (int Y = 0; Y < H; ++Y)
      for (int X = 0; X < W; ++X) {
        *New.PixelPtr(X, Y) = 0xFF000000u | static_cast<TsePixel>(X * 2) << 16 | Y * 3;
        *Old.PixelPtr(X, Y) = 0xFF0000FFu | static_cast<TsePixel>(Y * 4) << 8;
      }
  }
  TseBitmap New, Old;
};

TEST(Transition, AFadeFrameBlendsEveryPixelAtTheFadeValue) {
  Pictures P(100, 50);
  *P.New.PixelPtr(7, 9) = 0xFF7F007F; // key-coloured: shows the old image
  TseAnimationRec Settings;
  Settings.SetEffect("Fade");
  TseTransition Transition(Settings, P.New, P.Old);
  ASSERT_TRUE(Transition.Ready());
  EXPECT_EQ(Transition.Cols(), 101);
  EXPECT_EQ(Transition.Rows(), 51);
  Transition.Compose(40); // MulDiv(40, 255, 100) = 102
  for (int Y = 0; Y < 50; ++Y)
    for (int X = 0; X < 100; ++X) {
      const TsePixel Expected =
          X == 7 && Y == 9
              ? P.Old.GetPixel(X, Y)
              : BlendPixel((P.New.GetPixel(X, Y) & 0xFFFFFF) | 102u << 24, P.Old.GetPixel(X, Y));
      ASSERT_EQ(Transition.Work().GetPixel(X, Y), Expected) << X << "," << Y;
    }
}

TEST(Transition, TilesAndResolutionScaleTheMask) {
  Pictures P(40, 30);
  TseAnimationRec Settings;
  Settings.SetEffect("SlideDown");
  Settings.SetResolution(2);
  Settings.SetTileCount(2);
  TseTransition Transition(Settings, P.New, P.Old);
  ASSERT_TRUE(Transition.Ready());
  EXPECT_EQ(Transition.Cols(), 11); // 40 / 2 / 2 + 1
  EXPECT_EQ(Transition.Rows(), 8);  // 30 / 2 / 2 + 1
  Transition.Compose(50);
  // Mask rows 0..MulDiv(50, 7, 100) = 4 are set; each tile is 16 pixel rows, counted from the
  // picture's bottom, and mask row r covers tile rows 2r and 2r + 1.
  for (int Y = 0; Y < 30; ++Y) {
    const int FromBottom = 29 - Y;
    const bool Shown = (FromBottom % 16) / 2 <= 4;
    EXPECT_EQ(Transition.Work().GetPixel(5, Y), Shown ? P.New.GetPixel(5, Y) : P.Old.GetPixel(5, Y))
        << Y;
  }
}

TEST(Transition, RotationTurnsTheMask) {
  Pictures P(10, 9);
  TseAnimationRec Settings;
  Settings.SetEffect("SlideDown");
  TseTransition Plain(Settings, P.New, P.Old);
  Plain.Compose(50);
  const std::vector<uint8_t> Upright = Plain.Mask();
  Settings.SetRotation(qrRotate180);
  TseTransition Turned(Settings, P.New, P.Old);
  Turned.Compose(50);
  const int C = Plain.Cols(), R = Plain.Rows();
  for (int Y = 0; Y < R; ++Y)
    for (int X = 0; X < C; ++X)
      EXPECT_EQ(Turned.Mask()[X + Y * C], Upright[(C - 1 - X) + (R - 1 - Y) * C]) << X << "," << Y;
  EXPECT_EQ(Upright[0], 255);     // reveals from the top row
  EXPECT_EQ(Turned.Mask()[0], 0); // and turned, from the bottom
  EXPECT_EQ(Turned.Mask()[C * R - 1], 255);
}

TEST(Transition, QuarterTurnsRevealFromTheSides) {
  Pictures P(10, 9);
  TseAnimationRec Settings;
  Settings.SetEffect("SlideDown");
  for (TseRotation Rotation : {qrRotate90, qrRotate270}) {
    Settings.SetRotation(Rotation);
    TseTransition Transition(Settings, P.New, P.Old);
    Transition.Compose(50);
    const int C = Transition.Cols(), R = Transition.Rows();
    // The generated grid is R wide and C high; its rows 0..MulDiv(50, C - 1, 100) are set and
    // become columns: the first ones for a quarter turn, the last ones for three.
    const int Last = MulDivRound(50, C - 1, 100);
    for (int Y = 0; Y < R; ++Y)
      for (int X = 0; X < C; ++X) {
        const bool Set = Rotation == qrRotate90 ? X <= Last : X >= C - 1 - Last;
        EXPECT_EQ(Transition.Mask()[X + Y * C], Set ? 255 : 0) << X << "," << Y << " " << Rotation;
      }
  }
}

TEST(Transition, TheBitmapWipeFollowsItsMap) {
  Pictures P(16, 8);
  TseBitmap Map;
  Map.SetSize(17, 9);
  for (int Y = 0; Y < 9; ++Y)
    for (int X = 0; X < 17; ++X)
      *Map.PixelPtr(X, Y) = 0xFF000000u | static_cast<TsePixel>(X * 15);
  TseAnimationRec Settings;
  Settings.SetEffect("[ BITMAP ] - Bitmap Animation");
  Settings.SetBitmap(Map);
  TseTransition Transition(Settings, P.New, P.Old);
  ASSERT_TRUE(Transition.Ready());
  EXPECT_EQ(Transition.Entry(), nullptr);
  Transition.Compose(50); // at half way the mask is the map itself
  const int C = Transition.Cols();
  for (int Y = 0; Y < Transition.Rows(); ++Y)
    for (int X = 0; X < C; ++X)
      // Mask rows are counted in storage order, as the map's blue bytes are read.
      EXPECT_EQ(Transition.Mask()[X + Y * C], X * 15) << X << "," << Y;
  Transition.Compose(0);
  EXPECT_EQ(Transition.Mask()[C - 1], 0); // 240 - 255 clamps to 0
  Transition.Compose(100);
  EXPECT_EQ(Transition.Mask()[0], 255); // 0 + 255
}

TEST(Transition, PlayingShowsFramesAndEndsWithTheNewImage) {
  Pictures P(30, 20);
  TseAnimationRec Settings;
  Settings.SetEffect("Fade");
  Settings.SetTime(50);
  std::vector<const TseBitmap*> Shown;
  std::vector<TsePixel> Corner;
  PlayAnimation(Settings, P.New, P.Old, [&](const TseBitmap& Frame) {
    Shown.push_back(&Frame);
    Corner.push_back(Frame.GetPixel(0, 0));
  });
  ASSERT_GE(Shown.size(), 2u);
  EXPECT_EQ(Corner.front(), P.Old.GetPixel(0, 0)); // the first frame is at 0 %
  EXPECT_EQ(Shown.back(), &P.New);                 // the last is the new image itself
  EXPECT_TRUE(P.New.AlphaBlend);
  EXPECT_EQ(P.New.GetPixel(3, 3) >> 24, 255u); // left with the 100 % mask
}

TEST(Transition, NothingToPlayDrawsNothing) {
  Pictures P(8, 8);
  TseAnimationRec Settings;
  Settings.SetEffect("No such effect");
  int Frames = 0;
  PlayAnimation(Settings, P.New, P.Old, [&](const TseBitmap&) { ++Frames; });
  TseBitmap Empty;
  Settings.SetEffect("Fade");
  PlayAnimation(Settings, P.New, Empty, [&](const TseBitmap&) { ++Frames; });
  EXPECT_EQ(Frames, 0);
  Settings.SetEffect("[ RANDOM ] - Random selection");
  TseTransition Random(Settings, P.New, P.Old);
  EXPECT_TRUE(Random.Ready());
  EXPECT_NE(Random.Entry(), nullptr);
}

} // namespace

namespace {

// The slide composition written out cell by cell and pixel by pixel, as plainly as it can
// be said, to hold the player's faster loops to.
void ReferenceSlide(const std::vector<TseSlideCell>& Generated, int C, int R, int Resolution,
                    int Tiles, TseRotation Rotation, TseBitmap& New, TseBitmap& Work) {
  const int TileW = Work.Width() / Tiles, TileH = Work.Height() / Tiles;
  for (int TX = 0; TX < Tiles; ++TX)
    for (int TY = 0; TY < Tiles; ++TY) {
      const int OX = (TileW + 1) * TX, OY = (TileH + 1) * TY;
      for (int CY = 0; CY < R; ++CY)
        for (int CX = 0; CX < C; ++CX) {
          TseSlideCell Cell;
          int SX, SY;
          switch (Rotation) {
          case qrRotate90:
            Cell = Generated[CY + R * (C - CX - 1)];
            SX = C - 1 - Cell.SourceY;
            SY = Cell.SourceX;
            break;
          case qrRotate180:
            Cell = Generated[(C - 1 - CX) + C * (R - 1 - CY)];
            SX = C - 1 - Cell.SourceX;
            SY = R - 1 - Cell.SourceY;
            break;
          case qrRotate270:
            Cell = Generated[(R - 1 - CY) + R * CX];
            SX = Cell.SourceY;
            SY = R - 1 - Cell.SourceX;
            break;
          default:
            Cell = Generated[CX + C * CY];
            SX = Cell.SourceX;
            SY = Cell.SourceY;
            break;
          }
          if (Cell.Alpha == 0)
            continue;
          for (int J = CY * Resolution; J <= (CY + 1) * Resolution; ++J)
            for (int I = CX * Resolution; I <= (CX + 1) * Resolution; ++I) {
              const int TargetX = OX + I, TargetY = OY + J;
              const int SourceX = OX + SX * Resolution + I - CX * Resolution;
              const int SourceY = OY + SY * Resolution + J - CY * Resolution;
              if (TargetX >= std::min(New.Width(), Work.Width()) ||
                  TargetY >= std::min(New.Height(), Work.Height()))
                continue;
              if (SourceX < OX || SourceY < OY || SourceX >= New.Width() ||
                  SourceY >= New.Height() || SourceX > OX + TileW + 1 || SourceY > OY + TileH + 1)
                continue;
              TsePixel& Source = *New.PixelPtr(SourceX, SourceY);
              if (PixelAlpha(Source) == 0)
                continue;
              TsePixel& Target = *Work.PixelPtr(TargetX, TargetY);
              if (Cell.Alpha == 255) {
                Target = Source;
              } else {
                Source = (Source & 0xFFFFFF) | static_cast<TsePixel>(Cell.Alpha) << 24;
                Target = BlendPixel(Source, Target);
              }
            }
        }
    }
}

TEST(Transition, SlideFramesMatchTheCellByCellRule) {
  for (const char* Effect : {"Interlace", "Corner"})
    for (int Resolution : {1, 3})
      for (int Tiles : {1, 2})
        for (TseRotation Rotation : {qrNone, qrRotate90, qrRotate180, qrRotate270})
          for (int Percent : {0, 30, 70, 100}) {
            Pictures P(37, 23), Q(37, 23);
            *P.New.PixelPtr(3, 4) = 0x00123456; // a clear pixel of the new image
            *Q.New.PixelPtr(3, 4) = 0x00123456;
            TseAnimationRec Settings;
            Settings.SetEffect(Effect);
            Settings.SetResolution(Resolution);
            Settings.SetTileCount(Tiles);
            Settings.SetRotation(Rotation);
            TseTransition Transition(Settings, P.New, P.Old);
            ASSERT_TRUE(Transition.Ready());
            Transition.Compose(Percent);

            const int C = Transition.Cols(), R = Transition.Rows();
            const bool Swap = Rotation == qrRotate90 || Rotation == qrRotate270;
            std::vector<TseSlideCell> Cells(static_cast<size_t>(C) * R, TseSlideCell{});
            Transition.Entry()->Slide(Cells.data(), Swap ? R : C, Swap ? C : R, Percent);
            TseBitmap Work;
            Work.SetSize(37, 23);
            Q.Old.DrawTo(Work, 0, 0);
            ReferenceSlide(Cells, C, R, Resolution, Tiles, Rotation, Q.New, Work);
            for (int Y = 0; Y < 23; ++Y)
              for (int X = 0; X < 37; ++X)
                ASSERT_EQ(Transition.Work().GetPixel(X, Y), Work.GetPixel(X, Y))
                    << Effect << " res " << Resolution << " tiles " << Tiles << " rot " << Rotation
                    << " at " << Percent << "%: " << X << "," << Y;
          }
}

} // namespace
