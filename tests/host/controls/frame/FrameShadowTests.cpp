// The frame's shadow and translucency on its surface: the graded strips pixel by pixel, the
// key-coloured squares, the merge with the background behind each pixel, and the blended
// frame bands and client area.

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "controls/frame/FrameShadow.h"

namespace {

// A 20 x 16 frame with a 4-pixel shadow: borders of 5 left and right, a 6-pixel caption and
// a 4-pixel bottom edge. The surface is the window's 24 x 20.
constexpr int32_t W = 20, H = 16, S = 4;
constexpr TRect Client = Rect(5, 6, 15, 12);
constexpr TsePixel Marker = 0xFF123456; // what the surface held before the shadow
constexpr TsePixel Plain = 0xFFC08040;  // an opaque background of one colour

// The alpha of each shadow pixel: 1..4 for 8, 58, 108, 128; k the key colour; '.' untouched.
// The right strip fades to the right and at its top, the bottom strip downwards and at its
// left end; each ring's corner pixel keeps the alpha of the ring outside it.
const std::vector<std::string> PlainMap = {
    "...............kkkkkkkkk", //  0
    "...............kkkkkkkkk", //
    "...............kkkkkkkkk", //
    "...............kkkkkkkkk", //
    "...............111111111", //  4: the right strip's top end
    "...............222222211", //
    "...............333333221", //
    "...............444444321", //
    "...............444444321", //
    "...............444444321", //
    "...............444444321", // 10
    "...............444444321", //
    "kkkk12344444444444444321", // 12: the bottom strip and the corner piece
    "kkkk12344444444444444321", //
    "kkkk12344444444444444321", //
    "kkkk12344444444444444321", //
    "kkkk12344444444444444321", //
    "kkkk12233333333333333221", //
    "kkkk11222222222222222211", //
    "kkkk11111111111111111111", // 19
};

// A shaped window also darkens (S, S, W, C.top) and (S, S, C.left, H) at 128; the strips
// drawn after it take their own values where they overlap.
const std::vector<std::string> ShapedMap = {
    "...............kkkkkkkkk", //  0
    "...............kkkkkkkkk", //
    "...............kkkkkkkkk", //
    "...............kkkkkkkkk", //
    "....44444444444111111111", //  4
    "....44444444444222222211", //
    "....4..........333333221", //
    "....4..........444444321", //
    "....4..........444444321", //
    "....4..........444444321", //
    "....4..........444444321", // 10
    "....4..........444444321", //
    "kkkk12344444444444444321", // 12
    "kkkk12344444444444444321", //
    "kkkk12344444444444444321", //
    "kkkk12344444444444444321", //
    "kkkk12344444444444444321", //
    "kkkk12233333333333333221", //
    "kkkk11222222222222222211", //
    "kkkk11111111111111111111", // 19
};

TsePixel ShadowAlpha(char Level) {
  static constexpr uint8_t Alphas[] = {8, 58, 108, 128};
  return static_cast<TsePixel>(Alphas[Level - '1']) << 24 | 0x3F3F3F;
}

// Every pixel differs from its neighbours, so a merge taken from the wrong place shows.
TsePixel Coded(int32_t X, int32_t Y) {
  return 0xFF000000 | static_cast<TsePixel>(X * 9) << 16 | static_cast<TsePixel>(Y * 11) << 8 |
         0x60;
}

// Surfaces of one colour, and the window-sized background coded by position.
struct TFilled : TseBitmap {
  TFilled(int32_t Width, int32_t Height, TsePixel Pixel) {
    SetSize(Width, Height);
    Clear(Pixel);
  }
};
struct TCodedBackground : TseBitmap {
  TCodedBackground() {
    SetSize(W + S, H + S);
    for (int32_t Y = 0; Y < H + S; ++Y)
      for (int32_t X = 0; X < W + S; ++X)
        *PixelPtr(X, Y) = Coded(X, Y);
  }
};

// The surface against the map, with Under(X, Y) the background behind a pixel (null: none).
void ExpectMap(const TseBitmap& Surface, const std::vector<std::string>& Map,
               const TseBitmap* Under) {
  ASSERT_EQ(Surface.Height(), static_cast<int32_t>(Map.size()));
  for (int32_t Y = 0; Y < Surface.Height(); ++Y)
    for (int32_t X = 0; X < Surface.Width(); ++X) {
      const char Level = Map[Y][X];
      TsePixel Expected = Marker;
      if (Level == 'k')
        Expected = Under ? Under->GetPixel(X, Y) : KeyColor; // alpha 0 lets it all through
      else if (Level != '.')
        Expected =
            Under ? BlendPixel(ShadowAlpha(Level), Under->GetPixel(X, Y)) : ShadowAlpha(Level);
      ASSERT_EQ(Surface.GetPixel(X, Y), Expected)
          << "at " << X << "," << Y << " ('" << Level << "')";
    }
}

TEST(FrameShadow, StoresTheGradedShadowInStraightAlpha) {
  for (const bool Shaped : {false, true}) {
    SCOPED_TRACE(Shaped ? "shaped" : "rectangular");
    TFilled Surface(W + S, H + S, Marker);
    PaintFrameShadow(Surface, nullptr, Client, W, H, S, Shaped);
    ExpectMap(Surface, Shaped ? ShapedMap : PlainMap, nullptr);
  }
  // A surface that blends what is filled into it still takes the shadow as it is.
  TFilled Blending(W + S, H + S, Marker);
  Blending.AlphaBlend = true;
  PaintFrameShadow(Blending, nullptr, Client, W, H, S, false);
  ExpectMap(Blending, PlainMap, nullptr);
  EXPECT_TRUE(Blending.AlphaBlend);
}

TEST(FrameShadow, MergesEachPixelOnceWithTheBackgroundBehindIt) {
  const TCodedBackground Background;
  for (const bool Shaped : {false, true}) {
    SCOPED_TRACE(Shaped ? "shaped" : "rectangular");
    TFilled Surface(W + S, H + S, Marker);
    PaintFrameShadow(Surface, &Background, Client, W, H, S, Shaped);
    ExpectMap(Surface, Shaped ? ShapedMap : PlainMap, &Background);
  }
}

TEST(FrameShadow, OverAPlainBackgroundTheLadderDarkensInward) {
  const TFilled Background(W + S, H + S, Plain);
  TFilled Surface(W + S, H + S, Marker);
  PaintFrameShadow(Surface, &Background, Client, W, H, S, false);
  // Per byte, alpha included: ((0x3F * a + 128) >> 8) + ((b * (255 - a) + 128) >> 8).
  const TsePixel Ladder[] = {0xBF7F6040, 0xC0896540, 0xD1A2713F, 0xF6BB7E40}; // 128 .. 8
  for (int32_t I = 0; I < 4; ++I) {
    EXPECT_EQ(Surface.GetPixel(W + I, 9), Ladder[I]) << "right strip, column " << W + I;
    EXPECT_EQ(Surface.GetPixel(10, H + I), Ladder[I]) << "bottom strip, row " << H + I;
  }
  EXPECT_EQ(Surface.GetPixel(W + 3, H + 3), Ladder[3]); // the corner piece's outer corner
  EXPECT_EQ(Surface.GetPixel(W + 1, H + 1), Ladder[2]); // its rounded-off inner corner
  EXPECT_EQ(Surface.GetPixel(W + 2, 0), Plain);         // the key square shows the background
  EXPECT_EQ(Surface.GetPixel(0, H + 2), Plain);
  EXPECT_EQ(Surface.GetPixel(10, 10), Marker); // the client area is not touched
}

TEST(FrameShadow, NoDepthNoShadow) {
  TFilled Surface(W, H, Marker);
  PaintFrameShadow(Surface, nullptr, Client, W, H, 0, true);
  for (int32_t Y = 0; Y < H; ++Y)
    for (int32_t X = 0; X < W; ++X)
      ASSERT_EQ(Surface.GetPixel(X, Y), Marker) << X << "," << Y;
}

TEST(FrameBlending, TheFrameBandsTakeTheBackgroundOnceAndTheRestStays) {
  // 128 over the plain background: 0x80102030 gives 0xBF675038.
  const TFilled PlainUnder(W + S, H + S, Plain);
  const TCodedBackground CodedUnder;
  const TseBitmap* const Backgrounds[] = {&PlainUnder, &CodedUnder};
  for (const TseBitmap* Background : Backgrounds) {
    TFilled Surface(W + S, H + S, 0xFF102030);
    BlendFrameBands(Surface, Background, Client, W, H, 128);
    for (int32_t Y = 0; Y < H + S; ++Y)
      for (int32_t X = 0; X < W + S; ++X) {
        const bool InFrame = X < W && Y < H;
        const bool InClient =
            X >= Client.Left && X < Client.Right && Y >= Client.Top && Y < Client.Bottom;
        TsePixel Expected = 0xFF102030;
        if (InFrame && !InClient)
          Expected = Background == &PlainUnder ? 0xBF675038 : BlendPixel(0x80102030, Coded(X, Y));
        ASSERT_EQ(Surface.GetPixel(X, Y), Expected) << X << "," << Y;
      }
  }
}

TEST(FrameBlending, APaintedAreaTakesTheBackgroundAtItsPlaceInTheWindow) {
  // The client area painted at the origin of a larger (shared) buffer: the window's
  // background behind it starts at the client rectangle's corner.
  const TCodedBackground Background;
  TFilled Surface(32, 32, 0xFF102030);
  const TRect Area = Rect(0, 0, Client.Width(), Client.Height());
  BlendArea(Surface, &Background, Area, 100, Client.Left, Client.Top);
  for (int32_t Y = 0; Y < 32; ++Y)
    for (int32_t X = 0; X < 32; ++X) {
      const bool Inside = X < Area.Right && Y < Area.Bottom;
      const TsePixel Expected =
          Inside ? BlendPixel(0x64102030, Coded(X + Client.Left, Y + Client.Top)) : 0xFF102030;
      ASSERT_EQ(Surface.GetPixel(X, Y), Expected) << X << "," << Y;
    }

  // Without a capture only the alpha changes.
  TFilled Alone(4, 4, 0xFF102030);
  BlendArea(Alone, nullptr, Rect(1, 1, 3, 3), 100);
  EXPECT_EQ(Alone.GetPixel(1, 2), 0x64102030u);
  EXPECT_EQ(Alone.GetPixel(0, 0), 0xFF102030u);
}

} // namespace
