// The transition player: settings limits, the registry, the generator, and frames composed
// from two real surfaces.

#include <algorithm>
#include <chrono>
#include <gtest/gtest.h>
#include <stdexcept>
#include <thread>
#include <utility>
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
  // Frames after frames, first and last included, turned or not, one mask cell per pixel or
  // scaled and tiled; a width that leaves pixels after the last whole vector of a row.
  struct TCase {
    TseRotation Rotation;
    int Resolution, Tiles;
  };
  for (const TCase Case : {TCase{qrNone, 1, 1}, TCase{qrRotate90, 1, 1}, TCase{qrNone, 3, 2}}) {
    Pictures P(100, 50);
    *P.New.PixelPtr(7, 9) = 0xFF7F007F; // key-coloured: shows the old image
    TseAnimationRec Settings;
    Settings.SetEffect("Fade");
    Settings.SetRotation(Case.Rotation);
    Settings.SetResolution(Case.Resolution);
    Settings.SetTileCount(Case.Tiles);
    TseTransition Transition(Settings, P.New, P.Old);
    ASSERT_TRUE(Transition.Ready());
    EXPECT_EQ(Transition.Cols(), 100 / Case.Resolution / Case.Tiles + 1);
    EXPECT_EQ(Transition.Rows(), 50 / Case.Resolution / Case.Tiles + 1);
    // MulDiv(P, 255, 100): 0, 3, 102, 252, 255.
    for (const auto& [Percent, Alpha] :
         std::vector<std::pair<int, uint32_t>>{{40, 102}, {0, 0}, {1, 3}, {99, 252}, {100, 255}}) {
      Transition.Compose(Percent);
      for (int Y = 0; Y < 50; ++Y)
        for (int X = 0; X < 100; ++X) {
          const TsePixel Colour = P.New.GetPixel(X, Y) & 0xFFFFFF;
          const bool Hole = X == 7 && Y == 9;
          ASSERT_EQ(P.New.GetPixel(X, Y), Colour | (Hole ? 0 : Alpha << 24)) << X << "," << Y;
          const TsePixel Expected =
              Hole ? P.Old.GetPixel(X, Y) : BlendPixel(Colour | Alpha << 24, P.Old.GetPixel(X, Y));
          ASSERT_EQ(Transition.Work().GetPixel(X, Y), Expected)
              << X << "," << Y << " at " << Percent << " %";
        }
      EXPECT_EQ(std::count(Transition.Mask().begin(), Transition.Mask().end(), Alpha),
                Transition.Cols() * Transition.Rows())
          << Percent << " %";
    }
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

// A transition timed by a clock that only its frames move: each frame shown costs Cost
// milliseconds, composing nothing. A player that ignored the time of showing would never
// end on this clock, so the play is cut off after a number of frames no Time allows.
struct TTimedPlay {
  int Frames = 0;              // frames shown before the new image
  double ClockAtNewImage = -1; // when the new image was shown
  std::vector<TsePixel> Corner;
};

TTimedPlay PlayWithFrameCost(TseBitmap& New, const TseBitmap& Old, int32_t Time, double Cost) {
  TseAnimationRec Settings;
  Settings.SetEffect("Fade");
  Settings.SetTime(Time);
  TseTransition Transition(Settings, New, Old);
  TTimedPlay Result;
  double Clock = 1000; // any origin
  EXPECT_NO_THROW(Transition.Play(
      [&](const TseBitmap& Frame) {
        Result.Corner.push_back(Frame.GetPixel(0, 0));
        if (&Frame == &New) {
          Result.ClockAtNewImage = Clock;
          return;
        }
        if (++Result.Frames > 100000)
          throw std::runtime_error("the transition does not end");
        Clock += Cost;
      },
      [&] { return Clock; }));
  Result.ClockAtNewImage -= 1000;
  return Result;
}

TEST(Transition, ShowingFramesCountsTowardTheTime) {
  // Slow frames: one every 40 ms of a 400 ms transition, at 0, 10, ... 90 %.
  Pictures P(30, 20);
  const TTimedPlay Slow = PlayWithFrameCost(P.New, P.Old, 400, 40);
  EXPECT_EQ(Slow.Frames, 10);
  EXPECT_GE(Slow.ClockAtNewImage, 400);
  EXPECT_LT(Slow.ClockAtNewImage, 440);
  ASSERT_EQ(Slow.Corner.size(), 11u);
  for (int I = 0; I < 10; ++I) {
    // Each frame is composed at the share of Time the clock says has gone.
    Pictures Q(30, 20);
    TseAnimationRec Settings;
    Settings.SetEffect("Fade");
    TseTransition Reference(Settings, Q.New, Q.Old);
    Reference.Compose(I * 10);
    EXPECT_EQ(Slow.Corner[I], Reference.Work().GetPixel(0, 0)) << "frame " << I;
  }
  EXPECT_EQ(Slow.Corner[0], P.Old.GetPixel(0, 0));

  // Faster frames: more of them in the same time; a frame slower than the whole transition
  // still shows the 0 % frame, then the new image.
  Pictures F(30, 20);
  const TTimedPlay Fast = PlayWithFrameCost(F.New, F.Old, 400, 1.5);
  EXPECT_EQ(Fast.Frames, 267); // 0.01 + 1.5 k < 400 for k = 0 .. 266
  EXPECT_LT(Fast.ClockAtNewImage, 402);
  Pictures V(30, 20);
  const TTimedPlay VerySlow = PlayWithFrameCost(V.New, V.Old, 400, 1000);
  EXPECT_EQ(VerySlow.Frames, 1);
  EXPECT_EQ(VerySlow.Corner.front(), V.Old.GetPixel(0, 0));
  EXPECT_EQ(VerySlow.ClockAtNewImage, 1000);

  // The longest Time the settings allow.
  Pictures L(30, 20);
  EXPECT_EQ(PlayWithFrameCost(L.New, L.Old, 20000, 1000).Frames, 9);
}

TEST(Transition, APlayOnTheRealClockLastsAboutItsTime) {
  // Frames that take 20 ms each to show: a 200 ms transition shows at most ten of them and
  // ends soon after its Time. (The bounds are loose: a busy machine only oversleeps, which
  // means fewer frames.) Past 50 frames the sink stops sleeping, so a player that counted
  // composition alone would fail on the frame count rather than run for minutes.
  Pictures P(30, 20);
  TseAnimationRec Settings;
  Settings.SetEffect("Fade");
  Settings.SetTime(200);
  int Frames = 0;
  const auto Start = std::chrono::steady_clock::now();
  PlayAnimation(Settings, P.New, P.Old, [&](const TseBitmap& Frame) {
    if (&Frame == &P.New)
      return;
    if (++Frames <= 50)
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
  });
  const auto Took = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - Start)
                        .count();
  EXPECT_GE(Frames, 1);
  EXPECT_LE(Frames, 11);
  EXPECT_GE(Took, 190);
  EXPECT_LT(Took, 3000);
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
